#pragma once

#include <cstdint>
#include <vector>

#include "turtle/thinLine.h"

// `count` points picked at random within the circle of `radius` (its sign ignored) around
// `centre`: integer offsets drawn uniformly from the square until one falls in the circle, so
// the dots spread evenly over the disc ("bgdots", the spray tool).
std::vector<tPixel> randomDotsAround(tPixel centre, int32_t count, int32_t radius);
