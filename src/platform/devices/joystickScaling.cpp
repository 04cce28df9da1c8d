#include "platform/devices/joystickScaling.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kFullDeflection = 32767.0;
constexpr double kPi = 3.14159265358979323846;

int sign(int16_t value) { return (value > 0) - (value < 0); }

}  // namespace

double axisShare(int16_t value, int32_t deadZone)
{
    const double share = std::clamp(value / kFullDeflection, -1.0, 1.0);
    const double dead = std::clamp(deadZone, 0, 100) / 100.0;
    if (std::abs(share) <= dead) return 0;
    return (share > 0 ? 1 : -1) * (std::abs(share) - dead) / (1 - dead);
}

int32_t scaledAxis(int16_t value, const tAxisSetting& setting)
{
    const double share = axisShare(value, setting.deadZone);
    const double low = setting.low, high = setting.high;
    return static_cast<int32_t>(std::lround(low + (share + 1) / 2 * (high - low)));
}

tStickDirection stickDirection(double xShare, double yShare)
{
    tStickDirection direction;
    const double right = xShare, forward = -yShare;
    direction.right = static_cast<int32_t>(std::lround(right * 100));
    direction.forward = static_cast<int32_t>(std::lround(forward * 100));
    direction.velocity = static_cast<int32_t>(std::lround(std::min(1.0, std::hypot(right, forward)) * 100));
    if (direction.velocity == 0) return direction;
    double degrees = std::atan2(right, forward) * 180 / kPi;
    if (degrees < 0) degrees += 360;
    direction.angle = degrees;
    return direction;
}

int32_t hatDirection(int16_t x, int16_t y)
{
    // Indexed by the x and y signs (+1): forward is y negative.
    static constexpr int32_t kDirections[3][3] = {
        {315, 270, 225},  // left: forward, level, back
        {0, -1, 180},     // centre
        {45, 90, 135},    // right
    };
    return kDirections[sign(x) + 1][sign(y) + 1];
}
