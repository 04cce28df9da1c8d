#include "turtle/turtleShape.h"

#include <QPainter>
#include <QPointF>
#include <QPolygonF>
#include <QRect>

#include <cmath>

#include "turtle/penDrawing.h"
#include "turtle/tLogoTurtleParams.h"

namespace {
constexpr long double kNose = 15;  // from the turtle's position to the tip
constexpr long double kHalfBase = 8;

void drawWornShape(QPainter& painter, const tLogoTurtleParams& turtle)
{
    const tTurtleShape::tView view = wornView(turtle);
    if (view.picture.isNull()) return;
    const QPoint corner(static_cast<int>(roundPixel(turtle.position.x)) - view.hotX,
                        static_cast<int>(roundPixel(turtle.position.y)) - view.hotY);
    painter.drawImage(corner, view.picture);
}

// The worn shape, else the default triangle.
void drawLook(QPainter& painter, const tLogoTurtleParams& turtle)
{
    if (turtle.shape) {
        drawWornShape(painter, turtle);
        return;
    }
    const QPolygonF triangle = defaultTurtleOutline(turtle);
    painter.setRenderHint(QPainter::Antialiasing, false);
    const uint32_t colour = turtle.shapeColour ? *turtle.shapeColour : turtle.pen.colour;
    painter.setPen(QPen(QColor::fromRgb(0xFF000000u | colour), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawPolygon(triangle);
}

int32_t scaled(int32_t length, long double factor)
{
    return static_cast<int32_t>(std::llround(static_cast<long double>(length) * factor));
}
}  // namespace

tTurtleShape::tView wornView(const tLogoTurtleParams& turtle)
{
    if (!turtle.shape) return {};
    const tTurtleShape& shape = *turtle.shape;
    const int32_t frame = shape.FrameFor(turtle.heading, turtle.frameIndex, turtle.frameMode);
    return scaledView(shape.View(frame, turtle.pictureIndex), turtle.scaleX, turtle.scaleY);
}

tTurtleShape::tView scaledView(tTurtleShape::tView view, long double scaleX, long double scaleY)
{
    if ((scaleX == 1 && scaleY == 1) || view.picture.isNull()) return view;
    const int32_t width = scaled(view.picture.width(), scaleX), height = scaled(view.picture.height(), scaleY);
    view.picture = width > 0 && height > 0 ? view.picture.scaled(width, height) : QImage();
    view.hotX = scaled(view.hotX, scaleX);
    view.hotY = scaled(view.hotY, scaleY);
    return view;
}

QPolygonF defaultTurtleOutline(const tLogoTurtleParams& turtle)
{
    const long double forwardX = std::cos(turtle.mathAngle), forwardY = -std::sin(turtle.mathAngle);
    // Right of the heading, in surface pixels (y down).
    const long double rightX = -forwardY, rightY = forwardX;
    const tRealPoint at{static_cast<long double>(roundPixel(turtle.position.x)),
                        static_cast<long double>(roundPixel(turtle.position.y))};
    auto point = [&](long double along, long double across) {
        return QPointF(static_cast<double>(at.x + (along * forwardX + across * rightX) * turtle.scaleX),
                       static_cast<double>(at.y + (along * forwardY + across * rightY) * turtle.scaleY));
    };
    return QPolygonF({point(kNose, 0), point(0, kHalfBase), point(0, -kHalfBase)});
}

void drawTurtleShape(QPainter& painter, const tLogoTurtleParams& turtle)
{
    if (turtle.shownRange) {
        const tPixelRect shown = rangeClip(*turtle.shownRange);
        painter.save();
        painter.setClipRect(QRect(QPoint(static_cast<int>(shown.left), static_cast<int>(shown.top)),
                                  QPoint(static_cast<int>(shown.right), static_cast<int>(shown.bottom))),
                            Qt::IntersectClip);
    }
    drawLook(painter, turtle);
    if (turtle.shownRange) painter.restore();
}
