#include "objects/activeToolButton.h"

namespace {
tmultiobject* active = nullptr;  // not counted: destroying the button clears it
tToolButtonLetGo letGoHook = nullptr;
}  // namespace

tmultiobject* activeToolButton() { return active; }

void setActiveToolButton(tmultiobject* button)
{
    tmultiobject* before = active;
    active = button;
    if (before && before != button && letGoHook) letGoHook(*before);
}

void installToolButtonLetGo(tToolButtonLetGo letGo) { letGoHook = letGo; }
