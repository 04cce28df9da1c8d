#include "turtle/tLogoTurtleParams.h"

#include <cmath>
#include <mutex>
#include <numbers>

#include "turtle/tShapeAnim.h"

tLogoTurtleParams::tLogoTurtleParams(tgrScreen& screen) : screen(&screen)
{
    position = {static_cast<long double>(screen.Width() / 2), static_cast<long double>(screen.Height() / 2)};
    homePosition = position;
    SetHeading(0);
    turtleNumber = screen.Register(this);
    registered_ = true;
}

tLogoTurtleParams::~tLogoTurtleParams() { Detach(); }

void tLogoTurtleParams::Detach()
{
    if (!registered_) return;
    registered_ = false;
    unscheduleShapeStep(*this);
    screen->Unregister(this);
}

void tLogoTurtleParams::SetHeading(long double degrees) { SetHeadingAsGiven(normalHeading(degrees)); }

void tLogoTurtleParams::TurnTo(long double degrees)
{
    std::lock_guard<std::mutex> hold(screen->pictureLock);
    SetHeading(degrees);
}

long double normalHeading(long double degrees)
{
    long double normal = std::fmod(degrees, 360.0L);
    if (normal < 0) normal += 360;
    if (normal >= 360) normal = 0;  // a tiny negative remainder rounds up to 360
    return normal;
}

void tLogoTurtleParams::SetHeadingAsGiven(long double degrees)
{
    heading = degrees;
    mathAngle = (90 - heading) * std::numbers::pi_v<long double> / 180;
}

tRealPoint tLogoTurtleParams::Direction() const
{
    if (heading == 0) return {0, 1};
    if (heading == 90) return {1, 0};
    if (heading == 180) return {0, -1};
    if (heading == 270) return {-1, 0};
    return {std::cos(mathAngle), std::sin(mathAngle)};
}

long double tLogoTurtleParams::Towards(tRealPoint target) const
{
    return headingOf(target.x - position.x, position.y - target.y);
}

long double headingOf(long double dx, long double dy)
{
    constexpr long double kDegrees = 180 / std::numbers::pi_v<long double>;
    if (dy == 0) return dx > 0 ? 90 : dx < 0 ? 270 : 0;
    if (dy > 0) return dx < 0 ? 360 - std::atan(-dx / dy) * kDegrees : std::atan(dx / dy) * kDegrees;
    return dx >= 0 ? 180 - std::atan(-dx / dy) * kDegrees : 180 + std::atan(dx / dy) * kDegrees;
}
