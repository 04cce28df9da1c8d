#pragma once

#include <cstdint>

#include "values/tLogoWord.h"

// The other operand of arithmetic: AsOperand, or for a value that is no number its AsReal
// (an any-word's random value; anything else fails erExpectNumber).
tNumeric operandNumber(tlogoobject& other);

// Ordering of a number receiver against another value: integers compare as integers, other
// numbers as reals, a non-numeric word by the language's word comparison of the texts; anything
// else fails erExpectWord.
int numberOrder(tLogoWord& receiver, const tNumeric& number, tlogoobject& other);

// Equality of a number receiver: as numberOrder, but values that are neither words nor numbers
// are simply not equal.
bool numberEquals(tLogoWord& receiver, const tNumeric& number, tlogoobject& other);

// The language's word comparison of the receiver's text with another word's text.
int textOrder(tLogoWord& receiver, tlogoobject& other);
