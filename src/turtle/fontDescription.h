#pragma once

#include "turtle/tFontRecord.h"

class tlogoobject;

// Fonts as Logo programs write them: [[face name words] [size weight slant opaque baseline
// character-set]], weight 700 for bold and 400 otherwise, slant italic 1 + underline 2 +
// strike-out 4.
tlogoobject* fontDescriptionOf(const tFontRecord& font);

// The font a description makes of `font`: the empty word or list gives the default font, a
// word names the face, a list gives the face (its first element as printed) and, in a second
// element, the numbers in order, an empty element leaving its number as it is. With
// listsOnly a word is refused too. erExpectList for another value; erMinMax for a number
// outside its bounds, leaving the font unchanged.
tFontRecord fontFromDescription(const tFontRecord& font, tlogoobject* description, bool listsOnly = false);
