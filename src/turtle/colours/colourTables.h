#pragma once

#include <array>
#include <optional>

#include "turtle/colours/tColour.h"

// The fixed colours: the 16-entry palette that numbers select, the three special colours, and
// the shade table of 16 base colours with 12 shades each (shade 1 darkest, shade 6 the colour
// the bare name means). The keys are those of the dictionary's "colors" section; the order of
// both tables decides which name a colour is written with.
constexpr int kPaletteSize = 16;
constexpr int kShadeCount = 12;
constexpr int kPlainShade = 6;

struct tNamedColour {
    const char* key;
    tColour colour;
};

struct tShadeRow {
    const char* key;
    std::array<tColour, kShadeCount> shades;
};

extern const std::array<tColour, kPaletteSize> kPalette;
extern const std::array<tNamedColour, 3> kSpecialColours;  // white, black, lightGrey
extern const std::array<tShadeRow, 16> kShadeRows;

// The first palette entry equal to the colour.
std::optional<int> paletteIndexOf(tColour colour);

// Place of a colour in the shade table: row index and shade number (1 to 12), scanning the rows
// in order and each row from shade 1.
struct tShadePlace {
    int row;
    int shade;
};
std::optional<tShadePlace> shadePlaceOf(tColour colour);
