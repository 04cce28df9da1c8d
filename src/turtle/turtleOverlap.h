#pragma once

#include <cstdint>

#include "turtle/thinLine.h"

class tLogoTurtleParams;

// Page pixels a shown turtle covers; right and bottom exclusive.
struct tShapeBounds {
    int64_t left = 0;
    int64_t top = 0;
    int64_t right = 0;
    int64_t bottom = 0;

    int64_t Width() const { return right - left; }
    int64_t Height() const { return bottom - top; }
    bool Intersects(const tShapeBounds& other) const;
    bool Within(const tShapeBounds& other) const;
};

// The rectangle of the turtle's picture: its shape's picture around the hot spot, else the
// default look's outline.
tShapeBounds turtleBounds(const tLogoTurtleParams& turtle);

// Whether two turtles with these bounds overlap. Intersecting bounds are only the first test:
// unless `overlapMode` (the global "overlapmode") is non-zero, the ellipses inscribed in the
// rectangles, each approximated by one or two circles, must meet too, so that round shapes
// whose corners touch do not collide.
bool boundsOverlap(const tShapeBounds& a, const tShapeBounds& b, int64_t overlapMode);

// The global "overlapmode": a number other than 0 makes intersecting bounds enough (1), else 0.
int64_t overlapModeSetting();

// Whether the turtle, sensitive and shown, meets another sensitive, shown turtle of its page
// (the overlap test above), for the collision event after a move.
bool meetsSensitiveTurtle(tLogoTurtleParams& turtle, int64_t overlapMode);

// Whether the shown turtle's picture covers the surface pixel: a pixel of its worn picture that
// is not transparent (any pixel of it with "transparentClick"), or a point within the default
// look's triangle.
bool coversPoint(const tLogoTurtleParams& turtle, tPixel point);
