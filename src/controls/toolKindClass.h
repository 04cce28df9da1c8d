#pragma once

#include <string>

#include "objects/tControlObject.h"

// Enters the class object of a tool kind into the main object's objects table: `made` is the
// built-in class object (a window's or a pane's, not yet set up) under the kind's class name,
// given its tables, its key menu, `instanceClass` and the kind's name prefix.
void registerToolKindClass(const char* kind, tControlObject* made, tInstanceMaker instanceClass);

// The class name of the kind in the current language: the first word of its "class" entry.
std::string toolKindClassName(const char* kind);
