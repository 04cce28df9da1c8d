#pragma once

class QPainter;
class tLogoTurtleParams;

// The kind's default look of a turtle: a triangle pointing along its heading, outlined in its
// pen colour, drawn over the picture when the page is shown (never into it).
void drawTurtleShape(QPainter& painter, const tLogoTurtleParams& turtle);
