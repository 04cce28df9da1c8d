#include "controls/controlGeometry.h"

#include "turtle/realGeometry.h"
#include "turtle/tgrScreen.h"
#include "turtle/turtleAccess.h"

namespace {

int pixel(long double coordinate) { return static_cast<int>(roundPixel(coordinate)); }

}  // namespace

tPixelPoint pixelPointOf(tlogoobject* value)
{
    const tRealPoint at = pointOf(value);
    return {pixel(at.x), pixel(at.y)};
}

tPixelPoint placePixelsOf(const tgrScreen& surface, tlogoobject* value)
{
    const tRealPoint logo = pointOf(value);
    const tRealPoint at = surface.ToSurface(logo.x, logo.y);
    return {pixel(at.x), pixel(at.y)};
}
