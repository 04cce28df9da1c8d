#include "turtle/floodFill.h"

#include <QImage>

#include <algorithm>
#include <vector>

void floodFill(QImage& picture, tPixel start, uint32_t fillColour, const tPixelRect& clip, const uint32_t* borderColour)
{
    const int64_t left = std::max<int64_t>(clip.left, 0), top = std::max<int64_t>(clip.top, 0);
    const int64_t right = std::min<int64_t>(clip.right, picture.width() - 1);
    const int64_t bottom = std::min<int64_t>(clip.bottom, picture.height() - 1);
    if (start.x < left || start.x > right || start.y < top || start.y > bottom) return;

    uint8_t* bits = picture.bits();
    const qsizetype stride = picture.bytesPerLine();
    auto at = [&](int64_t x, int64_t y) -> uint32_t& { return reinterpret_cast<uint32_t*>(bits + y * stride)[x]; };
    const uint32_t paint = 0xFF000000u | (fillColour & 0xFFFFFFu);
    const uint32_t target = at(start.x, start.y) | 0xFF000000u;
    const uint32_t border = borderColour ? (0xFF000000u | (*borderColour & 0xFFFFFFu)) : 0;
    // Filling up to a border stops at the border and at what is already filled; filling a
    // colour stops at every other colour.
    auto fillable = [&](int64_t x, int64_t y) {
        const uint32_t pixel = at(x, y) | 0xFF000000u;
        return borderColour ? pixel != border && pixel != paint : pixel == target;
    };
    if (!fillable(start.x, start.y) || (!borderColour && target == paint)) return;

    // Spans: fill a row run, then look for fillable pixels in the rows above and below it.
    std::vector<tPixel> seeds{start};
    while (!seeds.empty()) {
        const tPixel seed = seeds.back();
        seeds.pop_back();
        if (!fillable(seed.x, seed.y)) continue;
        int64_t from = seed.x, to = seed.x;
        while (from > left && fillable(from - 1, seed.y)) --from;
        while (to < right && fillable(to + 1, seed.y)) ++to;
        for (int64_t x = from; x <= to; ++x) at(x, seed.y) = paint;
        for (int64_t y : {seed.y - 1, seed.y + 1}) {
            if (y < top || y > bottom) continue;
            bool inRun = false;
            for (int64_t x = from; x <= to; ++x) {
                const bool open = fillable(x, y);
                if (open && !inRun) seeds.push_back({x, y});
                inRun = open;
            }
        }
    }
}
