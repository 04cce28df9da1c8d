#pragma once

#include <cstdint>

#include "values/tLogoWord.h"

// The other operand of a comparison or of arithmetic counts as an integer when it is one (an
// integer, an integer word, a whole real) and fits in 32 bits.
bool asIntegerOperand(tlogoobject& other, int32_t& value);

// Ordering of a number receiver against another value: integers compare as integers, other
// numbers as reals, a non-numeric word by the language's word comparison of the texts; anything
// else fails erExpectWord.
int numberOrder(tLogoWord& receiver, const tNumeric& number, tlogoobject& other);

// Equality of a number receiver: as numberOrder, but values that are neither words nor numbers
// are simply not equal.
bool numberEquals(tLogoWord& receiver, const tNumeric& number, tlogoobject& other);

// The language's word comparison of the receiver's text with another word's text.
int textOrder(tLogoWord& receiver, tlogoobject& other);
