#pragma once

#include <vector>

#include "mainobj/keyboard/tKeyMenuTable.h"

class tlogoobject;
class tmultiobject;

// The entries a "keyMenu" list makes for the object. Key words collect pending patterns and
// the list after them becomes the instruction list of all of them (an empty one leaves them
// without: the keys are taken and start nothing); a last list with no key before it catches
// every other stroke, presses and releases alike.
// Fails erExpectList with a value that is no list, erBadStructure with the whole list for an
// element that is neither word nor list, a list with no key before it that is not last, or
// keys left without a list at the end, and erUnknownKeyMenu with a key word it cannot read.
std::vector<tKeyMenuTable::tEntry> parseKeyMenu(tlogoobject* value, tmultiobject* object);
