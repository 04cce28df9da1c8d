#pragma once

class tmultiobject;

// The tool button that is pressed down, whose "onTool" handler runs on objects clicked while
// it is; none while no tool button is. Destroying the button clears it. Under the interpreter
// lock.
tmultiobject* activeToolButton();
void setActiveToolButton(tmultiobject* button);
