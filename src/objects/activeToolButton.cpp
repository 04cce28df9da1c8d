#include "objects/activeToolButton.h"

namespace {
tmultiobject* active = nullptr;  // not counted: destroying the button clears it
}

tmultiobject* activeToolButton() { return active; }
void setActiveToolButton(tmultiobject* button) { active = button; }
