#pragma once

#include "turtle/realGeometry.h"

class tgrScreen;
class tLogoList;
class tLogoTurtleParams;
class tlogoobject;
class tmultiobject;

// How the kinds' primitives reach the graphic parts that objects keep in hidden variables:
// a turtle's in "@Turtle", a page's or pane's surface in "@screen".

// The object the running instruction addresses.
tmultiobject& addressedObject();

// The turtle graphic part of the object; erInitTurtle when it has none.
tLogoTurtleParams& turtleOf(tlogoobject* object);
// That of the object the running instruction addresses.
tLogoTurtleParams& currentTurtle();
// The surface of a page or pane; none for other objects.
tgrScreen* screenOf(tmultiobject& object);
// The same for objects that must have one (a page's properties); erInitTurtle otherwise.
tgrScreen& surfaceOf(tmultiobject& object);
// The surface of the addressed page or pane, or of the addressed turtle's; erInitTurtle when
// the object has neither.
tgrScreen& currentScreen();

// Gives the object its graphic part, kept alive by the object's variable table.
void attachTurtle(tmultiobject& object, tLogoTurtleParams* turtle);
void attachScreen(tmultiobject& object, tgrScreen* screen);

// A number as Logo shows it: an integer when it is whole and fits, else a real.
tlogoobject* newCoordinate(long double value);
// [x y] as two numbers; erExpectList2 when the value is not a list of two numbers.
tRealPoint pointOf(tlogoobject* value);
tLogoList* newPointList(long double x, long double y);
// A logo position [x y] in surface pixels; either element may be "any" (a random place on the
// picture keeping the "anypos" margin).
tRealPoint surfacePosition(tgrScreen& screen, tlogoobject* value);
