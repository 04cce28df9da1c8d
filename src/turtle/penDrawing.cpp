#include "turtle/penDrawing.h"

#include <QPainter>
#include <QPen>
#include <QPolygon>

#include "turtle/colours/patternTables.h"

#include <algorithm>
#include <cmath>

namespace {

// Points farther out than this are first brought nearer along their segment, so that rounding
// them to pixels cannot overflow; the pixels on the picture stay those of the whole segment up
// to the rounding of the new end.
constexpr long double kFar = 1e12L;

bool far(const tRealPoint& p) { return !(std::fabs(p.x) < kFar && std::fabs(p.y) < kFar); }

// Liang-Barsky clipping of the segment to the square of half-side kFar; false when nothing of
// it is inside.
bool bringNear(tRealPoint& a, tRealPoint& b)
{
    long double t0 = 0, t1 = 1;
    const long double dx = b.x - a.x, dy = b.y - a.y;
    const long double p[] = {-dx, dx, -dy, dy};
    const long double q[] = {a.x + kFar, kFar - a.x, a.y + kFar, kFar - a.y};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0) return false;
            continue;
        }
        const long double t = q[i] / p[i];
        if (p[i] < 0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
    }
    if (t0 > t1) return false;
    const tRealPoint start = a;
    a = {start.x + t0 * dx, start.y + t0 * dy};
    b = {start.x + t1 * dx, start.y + t1 * dy};
    return true;
}

}  // namespace

tPixelRect rangeClip(const tRealRect& range)
{
    return {roundPixel(range.left), roundPixel(range.top), roundPixel(range.right), roundPixel(range.bottom)};
}

void drawPenSegment(tgrScreen& screen, tRealPoint from, tRealPoint to, const tPen& pen, tPenState state,
                    const tPixelRect* clip)
{
    if (state == tPenState::kUp) return;
    if ((far(from) || far(to)) && !bringNear(from, to)) return;
    const uint32_t colour = state == tPenState::kErase ? screen.backgroundColour : pen.colour;
    const tRasterMode mode = state == tPenState::kReverse ? tRasterMode::kXor : tRasterMode::kCopy;
    const tPixel start{roundPixel(from.x), roundPixel(from.y)}, end{roundPixel(to.x), roundPixel(to.y)};
    const Qt::PenStyle style = qtPenStyle(pen.pattern);
    if (style == Qt::NoPen) return;
    if (pen.width <= 1 && style == Qt::SolidLine) {
        const tPixelRect whole{0, 0, screen.Width() - 1, screen.Height() - 1};
        drawThinLine(screen.picture, start, end, colour, mode, clip ? *clip : whole);
        return;
    }
    drawStyledLine(screen.picture, start, end, colour, pen.width, style, mode, clip);
}

void preparePainter(QPainter& painter, const tPixelRect* clip)
{
    painter.setRenderHint(QPainter::Antialiasing, false);
    if (clip)
        painter.setClipRect(static_cast<int>(clip->left), static_cast<int>(clip->top),
                            static_cast<int>(clip->right - clip->left + 1), static_cast<int>(clip->bottom - clip->top + 1));
}

namespace {

QColor opaque(uint32_t colour) { return QColor::fromRgb(0xFF000000u | colour); }

tPixelRect wholeOf(const QImage& picture) { return {0, 0, picture.width() - 1, picture.height() - 1}; }

// Pixels far outside any picture are kept within Qt's integer range; nothing of them shows.
QPolygon qtPolygon(const std::vector<tPixel>& points)
{
    constexpr int64_t kFarPixel = 1 << 24;
    QPolygon polygon;
    polygon.reserve(static_cast<qsizetype>(points.size()));
    for (const tPixel& p : points)
        polygon << QPoint(static_cast<int>(std::clamp<int64_t>(p.x, -kFarPixel, kFarPixel)),
                          static_cast<int>(std::clamp<int64_t>(p.y, -kFarPixel, kFarPixel)));
    return polygon;
}

// Qt outlines a rectangle one pixel past its size; boxes here exclude right and bottom.
QRect outlineBox(const tPixelRect& box)
{
    return QRect(static_cast<int>(box.left), static_cast<int>(box.top), static_cast<int>(box.right - box.left - 1),
                 static_cast<int>(box.bottom - box.top - 1));
}

}  // namespace

void drawDisc(QImage& picture, tPixel centre, int32_t diameter, uint32_t colour, const tPixelRect* clip)
{
    if (diameter <= 1) {
        drawThinLine(picture, centre, centre, colour, tRasterMode::kCopy, clip ? *clip : wholeOf(picture));
        return;
    }
    const int32_t half = diameter / 2;
    const tPixelRect box{centre.x - half, centre.y - half, centre.x + diameter - half, centre.y + diameter - half};
    QPainter painter(&picture);
    preparePainter(painter, clip);
    painter.setPen(QPen(opaque(colour), 1));
    painter.setBrush(opaque(colour));
    if (diameter == 2)
        painter.fillRect(QRect(static_cast<int>(box.left), static_cast<int>(box.top), 2, 2), opaque(colour));
    else
        painter.drawEllipse(outlineBox(box));
}

namespace {

// A painter with the pen (its colour, width and style) and the brush, or none.
void outfit(QPainter& painter, const tPen& pen, const tBrush* brush)
{
    painter.setPen(QPen(opaque(pen.colour), std::max(pen.width, 1), qtPenStyle(pen.pattern)));
    painter.setBrush(brush ? QBrush(opaque(brush->colour), qtBrushStyle(brush->pattern)) : QBrush(Qt::NoBrush));
}

}  // namespace

void drawEllipse(QImage& picture, const tPixelRect& box, const tPen& pen, const tBrush* brush, const tPixelRect* clip)
{
    QPainter painter(&picture);
    preparePainter(painter, clip);
    outfit(painter, pen, brush);
    painter.drawEllipse(outlineBox(box));
}

void drawRectangle(QImage& picture, const tPixelRect& box, const tPen& pen, const tBrush* brush, const tPixelRect* clip)
{
    QPainter painter(&picture);
    preparePainter(painter, clip);
    outfit(painter, pen, brush);
    painter.drawRect(outlineBox(box));
}

void drawPolyline(QImage& picture, const std::vector<tPixel>& points, const tPen& pen, const tPixelRect* clip)
{
    const Qt::PenStyle style = qtPenStyle(pen.pattern);
    if (style == Qt::NoPen || points.empty()) return;
    if (pen.width <= 1 && style == Qt::SolidLine) {
        const tPixelRect bounds = clip ? *clip : wholeOf(picture);
        if (points.size() == 1) drawThinLine(picture, points[0], points[0], pen.colour, tRasterMode::kCopy, bounds);
        for (size_t i = 1; i < points.size(); ++i)
            drawThinLine(picture, points[i - 1], points[i], pen.colour, tRasterMode::kCopy, bounds);
        return;
    }
    QPainter painter(&picture);
    preparePainter(painter, clip);
    painter.setPen(QPen(opaque(pen.colour), std::max(pen.width, 1), style, Qt::FlatCap, Qt::MiterJoin));
    const QPolygon chain = qtPolygon(points);
    painter.drawPolyline(chain);
}

void drawPolygon(QImage& picture, const std::vector<tPixel>& points, const tPen& pen, const tBrush& brush,
                 const tPixelRect* clip)
{
    const Qt::BrushStyle fill = qtBrushStyle(brush.pattern);
    if (fill != Qt::NoBrush && points.size() >= 3) {
        QPainter painter(&picture);
        preparePainter(painter, clip);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QBrush(opaque(brush.colour), fill));
        painter.drawPolygon(qtPolygon(points), Qt::OddEvenFill);
    }
    drawPolyline(picture, points, pen, clip);
}

Qt::BrushStyle qtBrushStyle(int32_t pattern)
{
    switch (fillStyleOfPattern(pattern).value_or(tFillStyle::solid)) {
    case tFillStyle::backwardDiagonal: return Qt::BDiagPattern;
    case tFillStyle::cross: return Qt::CrossPattern;
    case tFillStyle::diagonalCross: return Qt::DiagCrossPattern;
    case tFillStyle::forwardDiagonal: return Qt::FDiagPattern;
    case tFillStyle::horizontal: return Qt::HorPattern;
    case tFillStyle::vertical: return Qt::VerPattern;
    case tFillStyle::none: return Qt::NoBrush;
    case tFillStyle::solid: break;
    }
    return Qt::SolidPattern;
}

Qt::PenStyle qtPenStyle(int32_t pattern)
{
    switch (penStyleOfPattern(pattern).value_or(tPenStyle::solid)) {
    case tPenStyle::dash: return Qt::DashLine;
    case tPenStyle::dot: return Qt::DotLine;
    case tPenStyle::dashDot: return Qt::DashDotLine;
    case tPenStyle::dashDotDot: return Qt::DashDotDotLine;
    case tPenStyle::none: return Qt::NoPen;
    case tPenStyle::insideFrame:
    case tPenStyle::solid: break;
    }
    return Qt::SolidLine;
}

// Qt's lines are aliased and flat-capped here, so the end column is left out.
void drawStyledLine(QImage& picture, tPixel from, tPixel to, uint32_t colour, int width, Qt::PenStyle style,
                    tRasterMode mode, const tPixelRect* clip)
{
    QPainter painter(&picture);
    preparePainter(painter, clip);
    if (mode == tRasterMode::kXor) painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    painter.setPen(QPen(opaque(colour), width, style, Qt::FlatCap, Qt::MiterJoin));
    painter.drawLine(QPointF(static_cast<double>(from.x), static_cast<double>(from.y)),
                     QPointF(static_cast<double>(to.x), static_cast<double>(to.y)));
}
