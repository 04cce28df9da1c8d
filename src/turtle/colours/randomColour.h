#pragma once

#include "turtle/colours/tColour.h"

class tlogoobject;

// The colour the word "any" stands for, given the value of "anycolour" (none when missing):
// none: any entry of the shade table; a list: one of its elements taken as a colour (an "any"
// reached through the list gives a shade-table entry, never a second pick); otherwise an
// integer n: black or white for n <= 1, one of the first n palette entries up to 16, any
// shade-table entry above (a value that is no integer counts as 140).
tColour randomColour(tlogoobject* anyColour);
