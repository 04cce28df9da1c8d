#pragma once

class tLogoTab;

// The pointer as pages, panes and turtles see it: where it is and was pressed, which buttons
// and keys are held, and the conversions between their coordinates and the desktop's.
void registerPagePointerPrimitives(tLogoTab& table);
// "startDrag" and "startMove" of turtles.
void registerTurtlePointerPrimitives(tLogoTab& table);
// "startDrag" and "startMove" of panes: taken by the middle, they follow the pointer until a
// button goes down or up.
void registerPanePointerPrimitives(tLogoTab& table);

// The main object's pointer primitives (in the coordinates of the page the window shows) and
// the turtle's "autoDrag" property. Called at start-up once the main object is set up, before
// or after the kinds are built; later calls do nothing.
void startPointer();
