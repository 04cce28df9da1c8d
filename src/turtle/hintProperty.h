#pragma once

#include <string>

class tmultiobject;
struct tBoundProperty;

// The "hint" of turtles, pages and panes: the text shown as a tooltip while the pointer rests
// over the object; the empty word hides it. Kept beside the objects under the interpreter lock,
// and let go of when an object is destroyed.
const tBoundProperty& hintProperty();

// The tooltip text of the object (a list as "print" shows it); empty when it has none. Under
// the interpreter lock.
std::string hintOf(tmultiobject& object);
