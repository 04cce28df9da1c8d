#pragma once

#include <cstdint>

#include "turtle/colours/tColour.h"

class tLogoList;
class tlogoobject;

// A colour from a Logo value: a number selects a palette entry (erMinMax outside 0 to 15), a
// word is a colour name (colourNames.h), a list gives red, green and blue as its first three
// elements, each an integer 0 to 255 (erExpectColors otherwise, and for any other value).
// tlogoobject::AsColor goes through here and reports every failure as erExpectColors.
tColour colourFromValue(tlogoobject& value);

// A colour as the value every colour getter outputs, by the "colourstyle" setting: style 1 the
// colour's name when it has one, style 2 always the list [r g b], otherwise the palette number
// when the colour is in the palette; whatever is left is the list. The result has count 0.
tlogoobject* colourToValue(tColour colour, int32_t style);
tlogoobject* colourToValue(tColour colour);  // by the current "colourstyle"
tLogoList* colourToList(tColour colour);

// Makes tlogoobject::AsColor read colours through colourFromValue.
void installColourConverter();
