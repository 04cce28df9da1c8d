#pragma once

#include <cstdint>
#include <optional>

#include "turtle/tDrawingList.h"
#include "turtle/tTurtleShape.h"

class tlogoobject;

// A drawing list worn as a turtle's shape: compiled once with the turtle's pen, fill and font of
// the moment it is put on, drawn as the turtle looks. Its "frames" are the headings in tenths
// of a degree; the picture of the last one shown is kept, so the repaint draws it again until
// the turtle turns. A list of lists is a film of drawing lists, one per step of an animation,
// each step 100 milliseconds at speed 1; an element that is no list fails erExpectList.
tTurtleShapeRef listShape(tlogoobject* list, const tDrawingStyle& style);
