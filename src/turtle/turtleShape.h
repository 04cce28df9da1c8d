#pragma once

#include "turtle/tTurtleShape.h"

class QPainter;
class QPolygonF;
class tLogoTurtleParams;

// How a turtle looks over the picture when the page is shown (never drawn into it): the shape it
// wears, else the kind's default look, a triangle pointing along its heading, outlined in its
// pen colour (in the shape colour while one is set). Both are scaled by the shape scale.
void drawTurtleShape(QPainter& painter, const tLogoTurtleParams& turtle);

// The picture of the worn shape as shown: the frame for the heading or frame number, the
// picture of its film, scaled. A null picture for the default look.
tTurtleShape::tView wornView(const tLogoTurtleParams& turtle);

// The view scaled by the factors about its hot spot, nearest pixels; unchanged at 1.
tTurtleShape::tView scaledView(tTurtleShape::tView view, long double scaleX, long double scaleY);

// The default look's triangle in surface pixels.
QPolygonF defaultTurtleOutline(const tLogoTurtleParams& turtle);
