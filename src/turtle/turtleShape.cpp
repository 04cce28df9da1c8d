#include "turtle/turtleShape.h"

#include <QPainter>
#include <QPointF>
#include <QPolygonF>

#include <cmath>

#include "turtle/tLogoTurtleParams.h"

namespace {
constexpr long double kNose = 15;  // from the turtle's position to the tip
constexpr long double kHalfBase = 8;
}  // namespace

void drawTurtleShape(QPainter& painter, const tLogoTurtleParams& turtle)
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
    const QPolygonF triangle({point(kNose, 0), point(0, kHalfBase), point(0, -kHalfBase)});
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(QColor::fromRgb(0xFF000000u | turtle.pen.colour), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawPolygon(triangle);
}
