#include "turtle/randomDots.h"

#include <algorithm>
#include <cstdlib>

#include "values/logoRandom.h"

std::vector<tPixel> randomDotsAround(tPixel centre, int32_t count, int32_t radius)
{
    radius = std::abs(radius);
    std::vector<tPixel> dots;
    dots.reserve(static_cast<size_t>(std::max(count, 0)));
    for (int32_t i = 0; i < count; ++i) {
        int32_t dx = 0, dy = 0;
        do {
            dx = randomInRange(-radius, radius);
            dy = randomInRange(-radius, radius);
        } while (int64_t{dx} * dx + int64_t{dy} * dy > int64_t{radius} * radius);
        dots.push_back({centre.x + dx, centre.y + dy});
    }
    return dots;
}
