#pragma once

#include <cstdint>
#include <functional>

#include "turtle/realGeometry.h"

class tgrScreen;
class tmultiobject;

// Where the pointer was last seen over the page the window shows, as the window reports it.
// Without a window nothing reports: the pointer counts as resting on the logo origin with no
// button held, and "setmousepos" only changes what is remembered.
struct tPointerState {
    bool seen = false;          // false: nothing reported or placed yet
    int32_t x = 0;              // surface pixels
    int32_t y = 0;
    int32_t buttons = 0;        // left 1, right 2, middle 4
    int32_t keys = 0;           // control 1, shift 2
    int32_t surfaceLeft = 0;    // the surface's top-left pixel on the desktop
    int32_t surfaceTop = 0;
};

// Any thread.
tPointerState pointerState();
// The window, on every mouse message over the shown page.
void reportPointer(const tPointerState& state);

// The pointer in surface pixels of `screen`; the logo origin while none was seen.
tRealPoint pointerOnSurface(const tgrScreen& screen);
// Where the top-left corner of `screen` lies on the page the window shows: (0, 0) for that
// page, the sum of the corners on the way for a pane lying on it (or on a pane of it), (0, 0)
// for any other surface. Under the interpreter lock.
tRealPoint cornerOnShownPage(const tgrScreen& screen);

// The window's way of putting the cursor on a desktop pixel; called on the window thread.
using tCursorPlacer = std::function<void(int32_t desktopX, int32_t desktopY)>;
void setCursorPlacer(tCursorPlacer placer);
// Whether a window follows the pointer (a placer is installed).
bool pointerHasWindow();
// Remembers the pointer at a surface pixel and has the window move the cursor there.
void placePointer(int32_t x, int32_t y);

// The surface the main object's conversions work on: the page the window shows (whoever
// sets it keeps it alive while it is set).
void setMainSurface(tgrScreen* screen);
tgrScreen* mainSurface();

// What the mouse did to one object. Used under the interpreter lock only (by primitives and
// by the window's mouse routing, which runs under it).
struct tObjectPointer {
    // Where the left button was last pressed, from the object's reference point (a turtle's
    // position, a surface's top-left corner), in surface pixels, y down.
    long double clickX = 0;
    long double clickY = 0;
    bool autoDrag = false;    // dragged along by the left button ("autoDrag")
    bool dragArmed = false;   // the left button went down on it with autoDrag or "startDrag"
};

tObjectPointer& objectPointer(tmultiobject& object);
// The record when the object has one.
tObjectPointer* findObjectPointer(tmultiobject& object);

// "startDrag": the object is dragged as if the left button had gone down on it, until the
// next press or release of a button ends it. None when no such drag runs.
void startProgramDrag(tmultiobject& object);
tmultiobject* programDrag();
void endProgramDrag();
