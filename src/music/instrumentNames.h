#pragma once

#include <string_view>

// The MIDI program an instrument name stands for: "piano", "guitar" and "organ", then the
// names the language's "InstrumentNames" section lists (keys "piano", "guitar", "organ", then
// "0" to "127"). Compared case-insensitively after trimming; -1 when nothing matches.
int instrumentOfName(std::string_view name);

// A number 0..`highest` (erMinMax beyond) or a name (erBadValue when it matches nothing).
int instrumentOfText(std::string_view text, int highest);
