#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "turtle/colours/colourTables.h"

// The words that name the special and base colours, in the order of kSpecialColours and
// kShadeRows: each key's entry of a dictionary's "colors" section split at blanks. The first
// synonym is the one the system writes.
struct tColourNameLists {
    std::array<std::vector<std::string>, kSpecialColours.size()> special;
    std::array<std::vector<std::string>, kShadeRows.size()> base;
};

// From the Logo language dictionary; rebuilt after every language switch.
const tColourNameLists& languageColourNames();
// From the interface dictionary: the words the environment's colour picker shows.
const tColourNameLists& interfaceColourNames();

// Reads a colour name with an optional shade number (red, red6, white3) or the word "any".
// Fails erExpectNumber or erMinMax for a bad shade, erColorWrongName for an unknown name.
tColour colourFromName(std::string_view text);

// The name a colour is written with: a special name (when tried first), else the first base
// colour holding it followed by its shade unless that is the plain shade; empty when no name
// holds the colour.
std::optional<std::string> nameOfColour(tColour colour, bool specialsFirst = true);

// The names "zembrixcolours" outputs: white and black, then the base colours in table order
// (those the language names).
std::vector<std::string> colourNameList();
