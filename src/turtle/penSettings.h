#pragma once

#include <cstdint>

#include "turtle/tLogoTurtleParams.h"

class tlogoobject;

// The pen settings as values, shared by the pen properties and "penstate"/"setpenstate".

// The word of a pen state (the name of the primitive that sets it) and back; erExpectPen for
// a word that names none.
tlogoobject* penStateWord(tPenState state);
tPenState penStateOf(tlogoobject* value);
// A width of at least 1 (erMinMax), or "any" (1 to 20 through "anypenwidth").
int32_t penWidthOf(tlogoobject* value);
// A pen pattern 0 to 6, or "any" (0 to 5); a fill pattern 0 to 7, or "any" (0 to 6); erMinMax
// outside.
int32_t penPatternOf(tlogoobject* value);
int32_t fillPatternOf(tlogoobject* value);
