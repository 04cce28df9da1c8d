#pragma once

#include <cstdint>
#include <string_view>

class tmultiobject;

// The object a name stands for as seen from `from`: the objects tables of `from` and of its
// ancestors first, then the special names (receiver, main, myParent, activeToolbutton,
// myPlace, lastObject, myWindow, myPage), "#N" by its number (objectList.h). None when the
// name is no object; a special name without referent fails with its own key.
tmultiobject* resolveObjectName(tmultiobject* from, uint32_t code);

// A compound name (parts joined by apostrophes) resolved part by part, each part from the
// object found so far; an empty name is `from` itself. None when a part names no object.
tmultiobject* resolveObjectPath(tmultiobject* from, std::string_view path);

// Hands the object model's name resolution to the evaluator.
void installObjectResolution();
