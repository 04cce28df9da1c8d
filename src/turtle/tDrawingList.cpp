#include "turtle/tDrawingList.h"

#include <QImage>

#include <algorithm>
#include <cmath>
#include <numbers>

#include "turtle/labelText.h"
#include "turtle/penDrawing.h"
#include "values/eLogoException.h"

namespace {

constexpr long double kDegree = std::numbers::pi_v<long double> / 180;

bool drawsNothing(const tPixelRect& r) { return r.right < r.left; }

void include(tPixelRect& bounds, long double x, long double y, long double margin)
{
    const tPixelRect r{static_cast<int64_t>(std::floor(x - margin)), static_cast<int64_t>(std::floor(y - margin)),
                       static_cast<int64_t>(std::ceil(x + margin)), static_cast<int64_t>(std::ceil(y + margin))};
    if (drawsNothing(bounds)) {
        bounds = r;
        return;
    }
    bounds = {std::min(bounds.left, r.left), std::min(bounds.top, r.top), std::max(bounds.right, r.right),
              std::max(bounds.bottom, r.bottom)};
}

std::vector<tPixel> pixelsOf(const std::vector<tRealPoint>& points)
{
    std::vector<tPixel> pixels;
    pixels.reserve(points.size());
    for (const tRealPoint& p : points) pixels.push_back({roundPixel(p.x), roundPixel(p.y)});
    return pixels;
}

// A whole turn of the ellipse in surface pixels, at the step its size asks for.
std::vector<tRealPoint> ellipseOutline(tRealPoint centre, tRealPoint semiAxes, long double heading)
{
    const long double a = semiAxes.x, b = semiAxes.y;
    const long double around = (a + b) * 1.5L - std::sqrt(a * b);
    const long double step = around > 0 ? std::clamp(1200 / around, 1.0L, 12.0L) : 12;
    const long double ch = std::cos(heading * kDegree), sh = std::sin(heading * kDegree);
    std::vector<tRealPoint> points;
    for (long double angle = 0; angle < 360; angle += step) {
        const long double right = a * std::sin(angle * kDegree), ahead = b * std::cos(angle * kDegree);
        points.push_back({centre.x + right * ch + ahead * sh, centre.y - (ahead * ch - right * sh)});
    }
    if (!points.empty()) points.push_back(points.front());
    return points;
}

// Whether the ellipse stands upright (its axes along the picture's), so that it is drawn as
// the painter's ellipse in its box; and whether its axes are swapped then.
bool upright(long double heading, bool& swapped)
{
    long double turn = std::fmod(heading, 90.0L);
    if (turn < 0) turn += 90;
    if (turn != 0) return false;
    long double quarter = std::fmod(heading, 180.0L);
    if (quarter < 0) quarter += 180;
    swapped = quarter == 90;
    return true;
}

long double distance(tRealPoint a, tRealPoint b) { return std::hypot(a.x - b.x, a.y - b.y); }

bool nearSegment(tRealPoint p, tRealPoint a, tRealPoint b, int32_t width)
{
    const long double length = distance(a, b);
    const long double tolerance = (length > 3 || width > 3) ? 1 : 4;
    const long double reach = tolerance + width / 2.0L;
    const long double fromLine =
        length == 0 ? distance(p, a) : std::fabs((b.x - a.x) * (a.y - p.y) - (a.x - p.x) * (b.y - a.y)) / length;
    return fromLine <= reach && distance(p, a) + distance(p, b) <= length + 2 * reach;
}

bool insidePolygon(tRealPoint p, const std::vector<tRealPoint>& points)
{
    bool inside = false;
    for (size_t i = 0, j = points.size() - 1; i < points.size(); j = i++) {
        const tRealPoint& a = points[i];
        const tRealPoint& b = points[j];
        if ((a.y > p.y) != (b.y > p.y) && p.x < (b.x - a.x) * (p.y - a.y) / (b.y - a.y) + a.x) inside = !inside;
    }
    return inside;
}

}  // namespace

tDrawingList::tDrawingList(tlogoobject* source, const tDrawingStyle& start)
    : items_(compileDrawingItems(source, start)), source_(source), start_(start)
{
}

const DrawingItem& tDrawingList::Item(size_t index) const
{
    if (index >= items_.size()) throw eLogoException(erInternDrawingIndex);
    return items_[index];
}

void tDrawingList::Place(tRealPoint position, long double scaleX, long double scaleY, long double heading)
{
    std::lock_guard<std::mutex> hold(lock_);
    const tPlacement wanted{position, scaleX, scaleY, heading};
    if (placed_ && placement_ == wanted) return;
    placement_ = wanted;
    Transform();
    placed_ = true;
}

// x' = x cos h + y sin h, y' = y cos h - x sin h, exact along the axes; then y turns downwards.
void tDrawingList::Transform()
{
    const tPlacement& p = placement_;
    long double c = std::cos(p.heading * kDegree), s = std::sin(p.heading * kDegree);
    if (std::fabs(c) == 1 || std::fabs(s) < 1e-18L) s = 0, c = c < 0 ? -1 : 1;
    if (std::fabs(s) == 1 || std::fabs(c) < 1e-18L) c = 0, s = s < 0 ? -1 : 1;
    auto place = [&](tRealPoint q) -> tRealPoint {
        const long double x = q.x * p.scaleX, y = q.y * p.scaleY;
        return {p.position.x + x * c + y * s, p.position.y - (y * c - x * s)};
    };

    placedItems_.assign(items_.size(), {});
    bounds_ = {};
    int32_t width = start_.pen.width;
    tFontRecord font = start_.font;
    for (size_t i = 0; i < items_.size(); ++i) {
        const DrawingItem& item = items_[i];
        tPlaced& placed = placedItems_[i];
        const long double margin = std::max(width, 1) / 2.0L;
        switch (item.kind) {
        case tDrawingKind::kPenWidth: width = static_cast<int32_t>(item.value); break;
        case tDrawingKind::kFont: font = item.font; break;
        case tDrawingKind::kPolygon:
        case tDrawingKind::kPath:
            for (const tRealPoint& q : item.points) {
                placed.points.push_back(place(q));
                include(bounds_, placed.points.back().x, placed.points.back().y, margin);
            }
            break;
        case tDrawingKind::kEllipse:
        case tDrawingKind::kFilledEllipse:
            placed.centre = place(item.centre);
            placed.semiAxes = {item.semiAxes.x * std::fabs(p.scaleX), item.semiAxes.y * std::fabs(p.scaleY)};
            placed.heading = item.heading + p.heading;
            placed.points = ellipseOutline(placed.centre, placed.semiAxes, placed.heading);
            for (const tRealPoint& q : placed.points) include(bounds_, q.x, q.y, margin + 1);
            break;
        case tDrawingKind::kDot:
            placed.centre = place(item.centre);
            include(bounds_, placed.centre.x, placed.centre.y, item.value / 2.0L + 1);
            break;
        case tDrawingKind::kLabel:
        case tDrawingKind::kLabel2: {
            placed.centre = place(item.centre);
            placed.heading = item.heading + p.heading;
            const tLabelPlacement label = placeLabel({item.text, placed.centre, placed.heading, font, item.value, 0});
            for (const tRealPoint& corner : label.corners) {
                placed.points.push_back(corner);
                include(bounds_, corner.x, corner.y, 1);
            }
            break;
        }
        default: break;
        }
    }
}

tPixelRect tDrawingList::Bounds()
{
    std::lock_guard<std::mutex> hold(lock_);
    return bounds_;
}

void tDrawingList::Render(QImage& picture, uint32_t background, const tPixelRect* clip)
{
    std::lock_guard<std::mutex> hold(lock_);
    tPen pen{start_.pen.colour, start_.pen.width, start_.pen.pattern};
    tBrush brush = start_.brush;
    tFontRecord font = start_.font;
    for (size_t i = 0; i < items_.size(); ++i) {
        const DrawingItem& item = items_[i];
        const tPlaced& placed = placedItems_[i];
        switch (item.kind) {
        case tDrawingKind::kPenColour: pen.colour = item.value; break;
        case tDrawingKind::kFillColour: brush = {item.value, item.style}; break;
        case tDrawingKind::kPenWidth: pen.width = static_cast<int32_t>(item.value); break;
        case tDrawingKind::kPenPattern: pen.pattern = item.style; break;
        case tDrawingKind::kFont: font = item.font; break;
        case tDrawingKind::kPolygon: drawPolygon(picture, pixelsOf(placed.points), pen, brush, clip); break;
        case tDrawingKind::kPath: drawPolyline(picture, pixelsOf(placed.points), pen, clip); break;
        case tDrawingKind::kEllipse:
        case tDrawingKind::kFilledEllipse: {
            const bool filled = item.kind == tDrawingKind::kFilledEllipse;
            bool swapped = false;
            if (!upright(placed.heading, swapped)) {
                if (filled)
                    drawPolygon(picture, pixelsOf(placed.points), pen, brush, clip);
                else
                    drawPolyline(picture, pixelsOf(placed.points), pen, clip);
                break;
            }
            const long double a = swapped ? placed.semiAxes.y : placed.semiAxes.x;
            const long double b = swapped ? placed.semiAxes.x : placed.semiAxes.y;
            const tRealPoint& c = placed.centre;
            const tPixelRect box{roundPixel(c.x - a), roundPixel(c.y - b), roundPixel(c.x + a), roundPixel(c.y + b)};
            drawEllipse(picture, box, pen, filled ? &brush : nullptr, clip);
            break;
        }
        case tDrawingKind::kDot:
            drawDisc(picture, {roundPixel(placed.centre.x), roundPixel(placed.centre.y)}, static_cast<int32_t>(item.value),
                     pen.colour, clip);
            break;
        case tDrawingKind::kLabel:
        case tDrawingKind::kLabel2:
            drawLabel(picture, {item.text, placed.centre, placed.heading, font, pen.colour, background}, clip);
            break;
        default: break;
        }
    }
}

bool tDrawingList::HitTest(tRealPoint point)
{
    std::lock_guard<std::mutex> hold(lock_);
    const tPixelRect& b = bounds_;
    if (drawsNothing(b) || point.x < b.left || point.x > b.right || point.y < b.top || point.y > b.bottom) return false;
    int32_t width = start_.pen.width;
    for (size_t i = 0; i < items_.size(); ++i) {
        const DrawingItem& item = items_[i];
        const tPlaced& placed = placedItems_[i];
        switch (item.kind) {
        case tDrawingKind::kPenWidth: width = static_cast<int32_t>(item.value); break;
        case tDrawingKind::kPolygon:
            if (insidePolygon(point, placed.points)) return true;
            [[fallthrough]];
        case tDrawingKind::kPath:
            for (size_t k = 1; k < placed.points.size(); ++k)
                if (nearSegment(point, placed.points[k - 1], placed.points[k], width)) return true;
            break;
        case tDrawingKind::kEllipse: {
            // The two foci lie on the major axis; the distances to them add up to its length.
            const long double major = std::max(placed.semiAxes.x, placed.semiAxes.y);
            const long double minor = std::min(placed.semiAxes.x, placed.semiAxes.y);
            const long double focus = std::sqrt(major * major - minor * minor);
            const bool acrossFirst = placed.semiAxes.x >= placed.semiAxes.y;
            // The first axis runs to the placed heading's right, the second along it.
            const long double h = placed.heading * kDegree;
            const tRealPoint axis = acrossFirst ? tRealPoint{std::cos(h), std::sin(h)} : tRealPoint{std::sin(h), -std::cos(h)};
            const tRealPoint f1{placed.centre.x + focus * axis.x, placed.centre.y + focus * axis.y};
            const tRealPoint f2{placed.centre.x - focus * axis.x, placed.centre.y - focus * axis.y};
            if (std::fabs(distance(point, f1) + distance(point, f2) - 2 * major) <= 4) return true;
            break;
        }
        case tDrawingKind::kFilledEllipse:
            if (insidePolygon(point, placed.points)) return true;
            break;
        case tDrawingKind::kDot:
            if (distance(point, placed.centre) <= item.value / 2.0L) return true;
            break;
        case tDrawingKind::kLabel:
        case tDrawingKind::kLabel2:
            if (insidePolygon(point, placed.points)) return true;
            break;
        default: break;
        }
    }
    return false;
}
