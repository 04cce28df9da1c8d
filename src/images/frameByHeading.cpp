#include "images/frameByHeading.h"

#include <cmath>

#include "images/tLogoImage.h"

int32_t frameForHeading(const tLogoImage& image, long double heading)
{
    const int32_t n = image.Count();
    if (image.style != tLogoImage::styleHeading || n < 2 || !std::isfinite(heading - image.zeroAngle)) return 0;
    const long double sector = 360.0L / n;
    long double angle = std::fmod(heading - image.zeroAngle + sector / 2, 360.0L);
    if (angle < 0) angle += 360;
    const auto index = static_cast<int64_t>(std::trunc(angle / sector));
    return static_cast<int32_t>(((index % n) + n) % n);
}

int32_t frameByIndex(const tLogoImage& image, int64_t index)
{
    const int32_t n = image.Count();
    if (n == 0) return 0;
    return static_cast<int32_t>(((index % n) + n) % n);
}
