#pragma once

#include <cstdint>

class tlogoobject;

// The word "any" where a distance, angle, width or position is expected stands for a random
// integer. Its bounds come from a global variable read at each use: a number n means from the
// default low bound to |n|, a list [a b] from |a| to |b| (swapped when the first is larger);
// without a usable variable the default range holds.
enum class tAnyRange : uint8_t { kForward, kLeft, kRight, kAngle, kPenWidth };

// The value as a number, or a random one for "any".
long double realOrAny(tlogoobject* value, tAnyRange range);
int32_t integerOrAny(tlogoobject* value, tAnyRange range);

// A random coordinate on an axis of `extent` pixels keeping the margin of "anypos" (a number
// for both axes or [mx my]; 10 by default) from both edges; half the extent when the margin
// leaves no room. In surface pixels.
long double anySurfaceCoordinate(int extent, int axis);

bool isAny(tlogoobject* value);
