#include "images/shapeAnimation.h"

#include <cmath>

#include "images/tLogoImage.h"

namespace {

int32_t pictureCount(const tLogoImage& image, int32_t frame)
{
    return frame >= 0 && frame < image.Count() ? image.frames[static_cast<size_t>(frame)]->Count() : 0;
}

}  // namespace

bool framePlays(const tLogoImage& image, int32_t frame) { return pictureCount(image, frame) >= 2; }

int32_t nextPicture(const tLogoImage& image, int32_t frame, int32_t picture)
{
    const int32_t count = pictureCount(image, frame);
    if (count < 2) return 0;
    if (picture + 1 < count) return picture < 0 ? 0 : picture + 1;
    return image.loop ? 0 : count - 1;
}

int64_t stepDelay(int32_t delay, long double speed)
{
    const long double milliseconds = std::round(static_cast<long double>(delay) * speed);
    if (!(milliseconds > 0)) return 0;
    return milliseconds > 1e15L ? int64_t(1e15) : static_cast<int64_t>(milliseconds);
}
