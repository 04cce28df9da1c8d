#pragma once

#include <vector>

#include "objects/eventNames.h"

class tmultiobject;

// What pressing a tool button does. A tool button of a group other than 0 is a tool: pressed
// down, it becomes the active tool button (objects that accept tools hand their left presses
// to its "onTool"), and at most one tool is down, the active one, so another going down raises
// it. Letting go of the active tool button in any way (Escape, a one-shot action, destroying
// it) raises it too. A tool button of group 0 is a plain button of a tool bar: down while it is
// held, and pressing it lets go of the active tool. Under the interpreter lock.

// "down" set from a program: a tool goes down as the active tool button or comes up; a plain
// one shows held or not. Fires nothing.
void setToolButtonDown(tmultiobject& button, bool down);

// A new group: a button that stops or starts being a tool comes up first.
void setToolButtonGroup(tmultiobject& button, int group);

// The user pressed (true) or let go of (false) the button in the window: a tool turns over on
// a press ("onPush" going down, "onRelease" coming up; with "allUp" false the tool that is
// down stays down); a plain button is down while held ("onPush", then "onRelease"). The
// events to fire on the button.
std::vector<tEventKey> toolButtonPressedByUser(tmultiobject& button, bool pressed);

// Letting go of the active tool button raises it from now on. Once, at start-up.
void startToolButtons();
