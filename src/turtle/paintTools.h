#pragma once

#include <cstdint>

#include "turtle/thinLine.h"

class tLogoTab;
class tgrScreen;

// The interactive paint tools of a surface ("paintMode"): a command sets a mode and waits, the
// mouse over the surface works the tool instead of reaching turtles and the page, and the
// release of the left button (or a right press, which cancels) ends the mode. The spray draws
// while the button is held; the other tools draw (or give their geometry) when it is released.
enum class tPaintMode : uint8_t {
    kNone = 0,
    kFreehand = 1,
    kLine = 2,
    kFilledRectangle = 3,
    kFilledEllipse = 4,
    kRectangle = 5,
    kEllipse = 6,
    kSpray = 8,
};

// Where a drag from `start` to `end` ends with Shift held: a line keeps to the horizontal, a
// 45-degree diagonal or the vertical, whichever is nearest; rectangles and ellipses become
// squares and circles of the smaller extent.
tPixel shiftedToolEnd(tPaintMode mode, tPixel start, tPixel end);

// The mouse side, under the interpreter lock (the window's routing). True when a tool was
// active and took the message.
bool paintToolPress(tgrScreen& screen, int button, tPixel at, int keys);
bool paintToolMove(tgrScreen& screen, tPixel at, int buttons, int keys);
bool paintToolRelease(tgrScreen& screen, int button, tPixel at, int keys);

// The mode a command waits in on the surface ("paintMode"); kNone when none does. Any thread.
tPaintMode paintModeOf(tgrScreen& screen);

// "bgflexibleline" and the other flexible tools, "bgfreehand", "bgspray".
void registerPaintToolPrimitives(tLogoTab& table);
