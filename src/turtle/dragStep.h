#pragma once

#include <memory>

#include "processes/tLogoprocess.h"

class tmultiobject;

// One step of an automatic drag: a process "@drag" in the object that puts it where the pointer
// is, less the offset at which the left button took it ("clickedpos"), and then runs its
// "onDrag" handler in place. The mouse starts the next step when this one has ended, so the
// object follows the pointer in steps. The process, or none while the program is closing.
std::shared_ptr<tLogoprocess> startDragStep(tmultiobject& object, tCompletion completion);
