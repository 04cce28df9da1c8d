#pragma once

#include <cstdint>

class tmultiobject;

// The object a name stands for as seen from `from`: the objects tables of `from` and of its
// ancestors first, then the special names (receiver, main, myParent, myPlace, lastObject),
// "#N" by its number (objectList.h). None when the name is no object; a special name without referent fails with its own key.
tmultiobject* resolveObjectName(tmultiobject* from, uint32_t code);

// Hands the object model's name resolution to the evaluator.
void installObjectResolution();
