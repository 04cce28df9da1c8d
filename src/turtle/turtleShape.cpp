#include "turtle/turtleShape.h"

#include <QPainter>
#include <QPointF>
#include <QPolygonF>

#include <cmath>

#include "turtle/tLogoTurtleParams.h"

namespace {
constexpr long double kNose = 15;  // from the turtle's position to the tip
constexpr long double kHalfBase = 8;

// The shape's picture for the turtle's heading or frame number, its hot spot on the turtle's
// pixel.
void drawWornShape(QPainter& painter, const tLogoTurtleParams& turtle)
{
    const tTurtleShape& shape = *turtle.shape;
    const tTurtleShape::tView view = shape.View(shape.FrameFor(turtle.heading, turtle.frameIndex, turtle.frameMode), 0);
    if (view.picture.isNull()) return;
    const QPoint corner(static_cast<int>(roundPixel(turtle.position.x)) - view.hotX,
                        static_cast<int>(roundPixel(turtle.position.y)) - view.hotY);
    painter.drawImage(corner, view.picture);
}
}  // namespace

QPolygonF defaultTurtleOutline(const tLogoTurtleParams& turtle)
{
    const long double forwardX = std::cos(turtle.mathAngle), forwardY = -std::sin(turtle.mathAngle);
    // Right of the heading, in surface pixels (y down).
    const long double rightX = -forwardY, rightY = forwardX;
    const tRealPoint at{static_cast<long double>(roundPixel(turtle.position.x)),
                        static_cast<long double>(roundPixel(turtle.position.y))};
    auto point = [&](long double along, long double across) {
        return QPointF(static_cast<double>(at.x + along * forwardX + across * rightX),
                       static_cast<double>(at.y + along * forwardY + across * rightY));
    };
    return QPolygonF({point(kNose, 0), point(0, kHalfBase), point(0, -kHalfBase)});
}

void drawTurtleShape(QPainter& painter, const tLogoTurtleParams& turtle)
{
    if (turtle.shape) {
        drawWornShape(painter, turtle);
        return;
    }
    const QPolygonF triangle = defaultTurtleOutline(turtle);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(QColor::fromRgb(0xFF000000u | turtle.pen.colour), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawPolygon(triangle);
}
