#pragma once

#include <string>
#include <string_view>

#include "turtle/colours/tColour.h"

// The environment's colour picker shows colour names in the interface language; a Logo program
// needs them in the programming language. A name with trailing shade digits (a picker entry such
// as "red3") becomes the programming language's first word for the same colour with the same
// digits; empty when the interface knows no such colour.
std::string pickerNameToLogo(std::string_view pickerName);

// A colour typed into the environment as "[r g b]": three integers 0 to 255 separated by single
// blanks. Any fault gives black, so a half-typed colour never stops the environment.
tColour colourFromBracketText(std::string_view text);
