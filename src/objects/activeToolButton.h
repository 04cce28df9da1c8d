#pragma once

class tmultiobject;

// The tool button that is pressed down, whose "onTool" handler runs on objects clicked while
// it is; none while no tool button is. Destroying the button clears it. Under the interpreter
// lock.
tmultiobject* activeToolButton();
// A button that stops being the active one (another takes its place, or none) is let go of:
// the tool buttons' kind raises it.
void setActiveToolButton(tmultiobject* button);

using tToolButtonLetGo = void (*)(tmultiobject& button);
void installToolButtonLetGo(tToolButtonLetGo letGo);
