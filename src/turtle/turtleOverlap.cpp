#include "turtle/turtleOverlap.h"

#include <QPolygonF>
#include <QRectF>

#include <algorithm>
#include <cmath>
#include <vector>

#include "language/Language.h"
#include "processes/processEnvironment.h"
#include "turtle/tLogoTurtleParams.h"
#include "turtle/turtleShape.h"
#include "values/tLogoVarTab.h"

bool tShapeBounds::Intersects(const tShapeBounds& other) const
{
    return std::max(left, other.left) < std::min(right, other.right) &&
           std::max(top, other.top) < std::min(bottom, other.bottom);
}

bool tShapeBounds::Within(const tShapeBounds& other) const
{
    return left >= other.left && top >= other.top && right <= other.right && bottom <= other.bottom;
}

tShapeBounds turtleBounds(const tLogoTurtleParams& turtle)
{
    const int64_t x = roundPixel(turtle.position.x), y = roundPixel(turtle.position.y);
    if (turtle.shape) {
        const tTurtleShape::tView view = wornView(turtle);
        const int64_t left = x - view.hotX, top = y - view.hotY;
        return {left, top, left + view.picture.width(), top + view.picture.height()};
    }
    const QRectF outline = defaultTurtleOutline(turtle).boundingRect();
    return {static_cast<int64_t>(std::floor(outline.left())), static_cast<int64_t>(std::floor(outline.top())),
            static_cast<int64_t>(std::floor(outline.right())) + 1, static_cast<int64_t>(std::floor(outline.bottom())) + 1};
}

namespace {

struct tCircle {
    int64_t x;
    int64_t y;
    int64_t radius;
};

// The inscribed ellipse as the intersection of one or two circles; none for a rectangle
// without width or height.
std::vector<tCircle> inscribedCircles(const tShapeBounds& r)
{
    const int64_t b = (r.Width() + 1) / 2, d = (r.Height() + 1) / 2;
    if (b <= 0 || d <= 0) return {};
    if (b == d) return {{r.left + b, r.top + d, b}};
    if (d < b) {
        const int64_t g = std::llround(static_cast<double>(b * b + d * d) / static_cast<double>(2 * d));
        return {{r.left + b, r.top + g, g}, {r.left + b, r.bottom - g, g}};
    }
    const int64_t g = std::llround(static_cast<double>(b * b + d * d) / static_cast<double>(2 * b));
    return {{r.left + g, r.top + d, g}, {r.right - g, r.top + d, g}};
}

bool circlesMeet(const tCircle& a, const tCircle& b)
{
    const int64_t dx = a.x - b.x, dy = a.y - b.y, reach = a.radius + b.radius;
    return dx * dx + dy * dy < reach * reach + 5;
}

}  // namespace

bool boundsOverlap(const tShapeBounds& a, const tShapeBounds& b, int64_t overlapMode)
{
    if (!a.Intersects(b)) return false;
    if (overlapMode != 0) return true;
    const std::vector<tCircle> first = inscribedCircles(a), second = inscribedCircles(b);
    if (first.empty() || second.empty()) return false;
    for (const tCircle& p : first)
        for (const tCircle& q : second)
            if (!circlesMeet(p, q)) return false;
    return true;
}

int64_t overlapModeSetting()
{
    tLogoVarTab* globals = processEnvironment().globals;
    static const uint32_t overlapMode = nameCode("overlapmode");
    tlogoobject* value = globals ? globals->FindValue(overlapMode) : nullptr;
    return value && value->IsNumber() && value->AsReal() != 0 ? 1 : 0;
}

bool meetsSensitiveTurtle(tLogoTurtleParams& turtle, int64_t overlapMode)
{
    if (!turtle.sensitive || !turtle.shown) return false;
    const tShapeBounds bounds = turtleBounds(turtle);
    for (tLogoTurtleParams* other : turtle.screen->Turtles())
        if (other != &turtle && other->sensitive && other->shown &&
            boundsOverlap(turtleBounds(*other), bounds, overlapMode))
            return true;
    return false;
}

bool coversPoint(const tLogoTurtleParams& turtle, tPixel point)
{
    if (!turtle.shown) return false;
    if (!turtle.shape) {
        const QPolygonF outline = defaultTurtleOutline(turtle);
        const QPointF at(static_cast<double>(point.x), static_cast<double>(point.y));
        return outline.containsPoint(at, Qt::OddEvenFill);
    }
    const tTurtleShape::tView view = wornView(turtle);
    const int64_t x = point.x - (roundPixel(turtle.position.x) - view.hotX);
    const int64_t y = point.y - (roundPixel(turtle.position.y) - view.hotY);
    if (view.picture.isNull() || x < 0 || y < 0 || x >= view.picture.width() || y >= view.picture.height()) return false;
    return turtle.transparentClick || qAlpha(view.picture.pixel(static_cast<int>(x), static_cast<int>(y))) != 0;
}
