#include "turtle/rangeRectangles.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "turtle/tgrScreen.h"
#include "turtle/turtleAccess.h"
#include "values/eLogoException.h"
#include "values/tLogoList.h"

namespace {

constexpr long double kFarthest = 32000;

long double clampRange(long double value) { return std::clamp(value, -kFarthest, kFarthest); }

// The corners are logo coordinates, converted, or surface pixels as they stand.
std::optional<tRealRect> readCorners(tgrScreen& screen, tlogoobject* value, bool logo)
{
    auto surface = [&](long double x, long double y) { return logo ? screen.ToSurface(x, y) : tRealPoint{x, y}; };
    if (!value->IsList()) throw eLogoException(erExpectList, value);
    std::vector<tlogoobject*> parts;
    for (tlogoobject* element : elements(static_cast<tLogoList*>(value))) parts.push_back(element);
    if (parts.empty()) return std::nullopt;

    size_t next = 0;
    tRealPoint corner;
    if (parts[0]->IsList()) {
        const tRealPoint given = pointOf(parts[0]);
        corner = surface(given.x, given.y);
        next = 1;
    } else {
        if (parts.size() < 2) throw eLogoException(erBadStructure, value);
        corner = surface(parts[0]->AsReal(), parts[1]->AsReal());
        next = 2;
    }
    tRealRect rectangle{corner.x, corner.x, corner.y, corner.y};
    if (next < parts.size() && parts[next]->IsList()) {
        const tRealPoint given = pointOf(parts[next]);
        const tRealPoint opposite = surface(given.x, given.y);
        rectangle.right = opposite.x;
        rectangle.bottom = opposite.y;
        next += 1;
    } else if (next < parts.size()) {
        if (next + 1 >= parts.size()) throw eLogoException(erBadStructure, value);
        long double width = parts[next]->AsReal(), height = parts[next + 1]->AsReal();
        if (width == 0 || height == 0) width = height = 0;
        rectangle.right = rectangle.left + width;
        rectangle.bottom = rectangle.top + height;
        next += 2;
    }
    if (next != parts.size()) throw eLogoException(erBadStructure, value);
    if (rectangle.right == rectangle.left) rectangle.right = screen.Width();
    if (rectangle.bottom == rectangle.top) rectangle.bottom = screen.Height();
    if (rectangle.left > rectangle.right) std::swap(rectangle.left, rectangle.right);
    if (rectangle.top > rectangle.bottom) std::swap(rectangle.top, rectangle.bottom);
    return rectangle;
}

}  // namespace

std::optional<tRealRect> readRectangle(tgrScreen& screen, tlogoobject* value) { return readCorners(screen, value, true); }

std::optional<tRealRect> readSurfaceRectangle(tgrScreen& screen, tlogoobject* value)
{
    return readCorners(screen, value, false);
}

tRealRect turtleRangeOf(const tRealRect& rectangle)
{
    return {clampRange(rectangle.left), clampRange(rectangle.right) - 1, clampRange(rectangle.top),
            clampRange(rectangle.bottom) - 1};
}
