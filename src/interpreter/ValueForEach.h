#pragma once

#include <cstdint>

class tlogoobject;
class tLogoList;

// "foreach" of words (character by character) and lists (element by element): the name is a
// local of the current frame while the instructions run once per item; "repcount" counts the
// passes; an "output" or "stop" inside ends the loop and the enclosing procedure.
tlogoobject* forEachValue(tlogoobject& receiver, tlogoobject* name, tlogoobject* instructions);
void forEachListElement(tLogoList& list, uint32_t name, tlogoobject* instructions);
