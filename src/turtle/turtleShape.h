#pragma once

class QPainter;
class QPolygonF;
class tLogoTurtleParams;

// How a turtle looks over the picture when the page is shown (never drawn into it): the shape it
// wears, else the kind's default look, a triangle pointing along its heading, outlined in its
// pen colour.
void drawTurtleShape(QPainter& painter, const tLogoTurtleParams& turtle);

// The default look's triangle in surface pixels.
QPolygonF defaultTurtleOutline(const tLogoTurtleParams& turtle);
