#pragma once

#include "processes/tLogoprocess.h"

class tmultiobject;

// The tool action of a left press: while a tool button is active, a left press on an object
// whose variable "acceptsTools" is true (its own, its class's, or a global one) runs the tool
// button's "onTool" handler, in a process "@toolaction" with the pressed object as its current
// object, instead of the object's own press and click handlers. After the action a one-shot tool
// button is raised. Under the interpreter lock.
//
// Starts the action when a tool acts on the object and says whether it did; `completion`
// follows its end (at once when the tool button has no handler).
bool startToolAction(tmultiobject& pressed, tCompletion completion);
