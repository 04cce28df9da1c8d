#pragma once

#include <string_view>

class tControlObject;

// Enters a built-in kind class, made without parents, into the main object: it becomes a
// prototype with its tables set up, named by the kind's first "class" word, its new objects
// named by the kind's "prefix" word and a number. `kindKey` is the kind's dictionary key.
void enterKindClass(tControlObject& kindClass, std::string_view kindKey);

// Whether the main object already holds the kind's class (start-up may run again in tests).
bool hasKindClass(std::string_view kindKey);
