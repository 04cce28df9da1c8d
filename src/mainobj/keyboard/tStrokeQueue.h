#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "mainobj/keyboard/tKeyStroke.h"

// Strokes waiting, oldest first. Storage grows in steps of 100 slots up to 400 strokes; when
// 400 are waiting a new stroke replaces the newest, so a held-down key never fails and never
// pushes out what was typed first.
class tStrokeQueue {
public:
    static constexpr std::size_t kStep = 100;
    static constexpr std::size_t kLimit = 400;

    tStrokeQueue() { strokes.reserve(kStep); }

    void Append(const tKeyStroke& stroke);
    std::optional<tKeyStroke> TakeOldest();
    // Empties the queue and cuts its storage back to one step.
    void Clear();
    bool Empty() const { return strokes.empty(); }
    std::size_t Size() const { return strokes.size(); }
    std::size_t Slots() const { return strokes.capacity(); }

private:
    std::vector<tKeyStroke> strokes;
};
