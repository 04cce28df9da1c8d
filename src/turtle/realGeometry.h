#pragma once

#include <cmath>
#include <cstdint>

// Points and rectangles of a drawing surface in real pixels (origin top-left, y down). Turtles
// keep their positions as extended reals and round only when a pixel is needed.
struct tRealPoint {
    long double x = 0;
    long double y = 0;
    bool operator==(const tRealPoint&) const = default;
};

// Every bound inclusive.
struct tRealRect {
    long double left = 0;
    long double right = 0;
    long double top = 0;
    long double bottom = 0;

    bool Contains(const tRealPoint& p) const { return p.x >= left && p.x <= right && p.y >= top && p.y <= bottom; }
};

// Half away from zero, as every conversion of a turtle position to a pixel rounds.
inline int64_t roundPixel(long double value) { return static_cast<int64_t>(std::llround(value)); }
