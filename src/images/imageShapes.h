#pragma once

#include "turtle/tTurtleShape.h"

class tLogoImage;
class tlogoobject;

// Turtle shapes made of image values: the image's frames chosen by heading (style heading) or
// by the turtle's frame number, each frame's pictures composed with their masks.
tTurtleShapeRef imageShape(const tLogoImage& image);

// What the "shape" property wears: an image as it is, a word naming an image file (or a
// built-in "*name"). Other values fail erExpectImage, the empty image erEmptyImage.
tTurtleShapeRef shapeOfValue(tlogoobject* value);
