#pragma once

#include <optional>

#include "turtle/realGeometry.h"

class tgrScreen;
class tlogoobject;

// A rectangle as ranges and page rectangles are written: a logo corner ([x y] or x y), then
// nothing, the opposite logo corner [x2 y2], or a width and a height in pixels that extend it
// right and down. A zero width or height makes both zero, and an empty extent reaches the
// picture's right or bottom edge; the corners come out ordered. In surface pixels with right
// and bottom exclusive. None for the empty list; erExpectList when the value is no list,
// erBadStructure when something follows the rectangle.
std::optional<tRealRect> readRectangle(tgrScreen& screen, tlogoobject* value);
// The same written in surface pixels.
std::optional<tRealRect> readSurfaceRectangle(tgrScreen& screen, tlogoobject* value);

// The range a turtle keeps to for the rectangle: bounds clamped to +-32000, right and bottom
// made inclusive.
tRealRect turtleRangeOf(const tRealRect& rectangle);
