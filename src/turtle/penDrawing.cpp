#include "turtle/penDrawing.h"

#include <QPainter>
#include <QPen>

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
    if (pen.width <= 1) {
        const tPixelRect whole{0, 0, screen.Width() - 1, screen.Height() - 1};
        drawThinLine(screen.picture, start, end, colour, mode, clip ? *clip : whole);
        return;
    }
    drawWideLine(screen.picture, start, end, colour, pen.width, mode, clip);
}

// Wide lines are Qt's, aliased and flat-capped, so the end column is left out.
void drawWideLine(QImage& picture, tPixel from, tPixel to, uint32_t colour, int width, tRasterMode mode,
                  const tPixelRect* clip)
{
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing, false);
    if (mode == tRasterMode::kXor) painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    if (clip)
        painter.setClipRect(static_cast<int>(clip->left), static_cast<int>(clip->top),
                            static_cast<int>(clip->right - clip->left + 1), static_cast<int>(clip->bottom - clip->top + 1));
    painter.setPen(QPen(QColor::fromRgb(0xFF000000u | colour), width, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    painter.drawLine(QPointF(static_cast<double>(from.x), static_cast<double>(from.y)),
                     QPointF(static_cast<double>(to.x), static_cast<double>(to.y)));
}
