#pragma once

#include <optional>

// Pen patterns (line styles) and fill patterns by the numbers Logo programs and drawing lists
// use. The drawing code maps the styles to its painter's.
enum class tPenStyle {
    insideFrame,  // solid; a wide line stays inside the figure it outlines
    dash,
    dot,
    dashDot,
    dashDotDot,
    solid,
    none,
};

enum class tFillStyle {
    solid,
    backwardDiagonal,
    cross,
    diagonalCross,
    forwardDiagonal,
    horizontal,
    vertical,
    none,
};

// Empty for a number outside the table; the setters that take a pattern refuse those.
std::optional<tPenStyle> penStyleOfPattern(int pattern);
std::optional<tFillStyle> fillStyleOfPattern(int pattern);
// 0 for a style the table does not hold.
int patternOfPenStyle(tPenStyle style);
int patternOfFillStyle(tFillStyle style);
