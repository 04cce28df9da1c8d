#pragma once

// The two ways a language compares names, both blind to letter case:
// - upperCase: every byte upper-cased as Windows-1252 letters, then compared byte-wise. It
//   stands in for the platform's locale-aware comparison, so the order of accented letters
//   is by code, not by the alphabet of a locale; equality, which names rely on, is the same.
// - folding: languages with a system "ansi" entry map both texts through a 256-byte folding
//   table (letters upper-cased, Windows-1250 letters with diacritics to their plain base
//   letter) and compare byte-wise.

#include <cstdint>
#include <string>
#include <string_view>

enum class tComparisonMode { upperCase, folding };

int compareWordsIn(tComparisonMode mode, std::string_view a, std::string_view b);

uint8_t foldedByte(uint8_t byte);
uint8_t upperCaseByte(uint8_t byte);

// Bytes 0x80-0xFF replaced by their base letter, keeping case (the "ansi" output option).
std::string transliterate(std::string_view text);
