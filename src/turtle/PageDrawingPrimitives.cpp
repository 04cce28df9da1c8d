#include "turtle/pagePrimitives.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <mutex>
#include <numbers>
#include <optional>
#include <vector>

#include "mainobj/primitiveTable.h"
#include "mainobj/tPrimitiveCall.h"
#include "turtle/floodFill.h"
#include "turtle/penDrawing.h"
#include "turtle/randomDots.h"
#include "turtle/tgrScreen.h"
#include "turtle/turtleAccess.h"
#include "values/eLogoException.h"
#include "values/tLogoList.h"

// The page's own drawing commands, in surface pixels with the page's line settings.

namespace {

struct tCorners {
    tRealPoint first;
    tRealPoint second;
};

// One corner: a list of two numbers; erExpectList when it is no list, erExpectPoint when it
// holds more.
tRealPoint cornerOf(tlogoobject* value)
{
    if (!value->IsList()) throw eLogoException(erExpectList, value);
    std::vector<tlogoobject*> parts;
    for (tlogoobject* element : elements(static_cast<tLogoList*>(value))) parts.push_back(element);
    if (parts.size() != 2) throw eLogoException(erExpectPoint, value);
    return {parts[0]->AsReal(), parts[1]->AsReal()};
}

// [[x1 y1] [x2 y2]] or [x y w h]; none for the empty list; erExpectRect for another length.
std::optional<tCorners> cornersOf(tlogoobject* value)
{
    if (!value->IsList()) throw eLogoException(erExpectList, value);
    std::vector<tlogoobject*> parts;
    for (tlogoobject* element : elements(static_cast<tLogoList*>(value))) parts.push_back(element);
    if (parts.empty()) return std::nullopt;
    if (parts.size() == 2) return tCorners{cornerOf(parts[0]), cornerOf(parts[1])};
    if (parts.size() != 4) throw eLogoException(erExpectRect, value);
    const tRealPoint corner{parts[0]->AsReal(), parts[1]->AsReal()};
    return tCorners{corner, {corner.x + parts[2]->AsReal(), corner.y + parts[3]->AsReal()}};
}

tPen linePen(const tgrScreen& screen) { return {screen.lineColour, screen.lineWidth, screen.linePattern}; }

tlogoobject* bgline(tPrimitiveCall& call)
{
    tgrScreen& screen = currentScreen();
    const std::optional<tCorners> line = cornersOf(call[0]);
    if (!line) return nullptr;
    std::lock_guard<std::mutex> hold(screen.pictureLock);
    drawPenSegment(screen, line->first, line->second, linePen(screen), tPenState::kDown, nullptr);
    return nullptr;
}

// The two corners as a box, left and top inclusive, right and bottom exclusive.
tPixelRect boxOf(const tCorners& c)
{
    const int64_t x1 = roundPixel(c.first.x), y1 = roundPixel(c.first.y);
    const int64_t x2 = roundPixel(c.second.x), y2 = roundPixel(c.second.y);
    return {std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2)};
}

// Rectangles and ellipses in the box the input gives, outlined with the line settings and,
// filled ones, filled with the line colour.
template <bool Ellipse, bool Filled>
tlogoobject* bgShape(tPrimitiveCall& call)
{
    tgrScreen& screen = currentScreen();
    const std::optional<tCorners> corners = cornersOf(call[0]);
    if (!corners) return nullptr;
    const tBrush fill{screen.lineColour, 0};
    const tBrush* brush = Filled ? &fill : nullptr;
    std::lock_guard<std::mutex> hold(screen.pictureLock);
    if (Ellipse)
        drawEllipse(screen.picture, boxOf(*corners), linePen(screen), brush, nullptr);
    else
        drawRectangle(screen.picture, boxOf(*corners), linePen(screen), brush, nullptr);
    return nullptr;
}

// The arc of the ellipse in the first box, counterclockwise from the ray through its centre
// towards the first corner of the second input to the ray towards its second corner.
tlogoobject* bgellipsearc(tPrimitiveCall& call)
{
    tgrScreen& screen = currentScreen();
    const std::optional<tCorners> bounds = cornersOf(call[0]);
    const std::optional<tCorners> rays = cornersOf(call[1]);
    if (!bounds || !rays) return nullptr;
    const tPixelRect box = boxOf(*bounds);
    // The ellipse of bgellipse in the same box: its right and bottom pixels left out.
    const long double cx = (box.left + box.right - 1) / 2.0L, cy = (box.top + box.bottom - 1) / 2.0L;
    const long double a = std::max<long double>(box.right - box.left - 1, 0) / 2, b = std::max<long double>(box.bottom - box.top - 1, 0) / 2;
    // The point of the ellipse on a ray is at the angle t with tan t = (a / b) tan(ray).
    auto along = [&](tRealPoint towards) {
        const long double ray = std::atan2(cy - towards.y, towards.x - cx);
        return std::atan2(a * std::sin(ray), b * std::cos(ray));
    };
    const long double start = along(rays->first);
    long double end = along(rays->second);
    constexpr long double kTurn = 2 * std::numbers::pi_v<long double>;
    while (end <= start) end += kTurn;
    const long double step = kTurn / std::clamp<long double>((a + b) * 2, 8, 2000);
    std::vector<tPixel> points;
    for (long double t = start;; t += step) {
        if (t > end) t = end;
        points.push_back({roundPixel(cx + a * std::cos(t)), roundPixel(cy - b * std::sin(t))});
        if (t == end) break;
    }
    std::lock_guard<std::mutex> hold(screen.pictureLock);
    drawPolyline(screen.picture, points, linePen(screen), nullptr);
    return nullptr;
}

// Random dots within the radius of the centre: a pixel each for a line width of 1, else a
// point of the line width.
tlogoobject* bgdots(tPrimitiveCall& call)
{
    tgrScreen& screen = currentScreen();
    const tRealPoint centre = cornerOf(call[0]);
    const int32_t count = call.integer(1);
    const int32_t radius = std::abs(call.integer(2));
    const tPixel at{roundPixel(centre.x), roundPixel(centre.y)};
    const std::vector<tPixel> dots = randomDotsAround(at, count, radius);
    std::lock_guard<std::mutex> hold(screen.pictureLock);
    for (tPixel dot : dots) drawDisc(screen.picture, dot, std::max(screen.lineWidth, 1), screen.lineColour, nullptr);
    return nullptr;
}

tlogoobject* bgfill(tPrimitiveCall& call)
{
    tgrScreen& screen = currentScreen();
    const tRealPoint at = cornerOf(call[0]);
    std::lock_guard<std::mutex> hold(screen.pictureLock);
    floodFill(screen.picture, {roundPixel(at.x), roundPixel(at.y)}, screen.lineColour,
              {0, 0, screen.Width() - 1, screen.Height() - 1});
    return nullptr;
}

constexpr tPrimitiveRow kPageDrawingRows[] = {
    {"bgline", 1, kFixedInputs, &bgline},
    {"bgfill", 1, kFixedInputs, &bgfill},
    {"bgrectangle", 1, kFixedInputs, &bgShape<false, false>},
    {"bgfilledrectangle", 1, kFixedInputs, &bgShape<false, true>},
    {"bgellipse", 1, kFixedInputs, &bgShape<true, false>},
    {"bgfilledellipse", 1, kFixedInputs, &bgShape<true, true>},
    {"bgellipsearc", 2, kFixedInputs, &bgellipsearc},
    {"bgdots", 3, kFixedInputs, &bgdots},
};

}  // namespace

void registerPageDrawingPrimitives(tLogoTab& table) { registerPrimitives(table, kPageDrawingRows); }
