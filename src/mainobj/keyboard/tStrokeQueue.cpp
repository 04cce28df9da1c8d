#include "mainobj/keyboard/tStrokeQueue.h"

void tStrokeQueue::Append(const tKeyStroke& stroke)
{
    if (strokes.size() == kLimit) {
        strokes.back() = stroke;
        return;
    }
    if (strokes.size() == strokes.capacity()) strokes.reserve(strokes.capacity() + kStep);
    strokes.push_back(stroke);
}

std::optional<tKeyStroke> tStrokeQueue::TakeOldest()
{
    if (strokes.empty()) return std::nullopt;
    tKeyStroke oldest = strokes.front();
    strokes.erase(strokes.begin());
    return oldest;
}

void tStrokeQueue::Clear()
{
    strokes.clear();
    strokes.shrink_to_fit();
    strokes.reserve(kStep);
}
