#pragma once

#include <string>
#include <string_view>

class tlogotable;

// The text form of the property store, read by "loadtable" and written by "savetable":
//   [group]
//   name = value
// A group line starts a group (new or existing); a pair line adds to the current group. A
// value in brackets is a list, a value between bars is the word between them, anything else a
// word. Lines before the first group and lines without "=" are ignored.
void readTableText(tlogotable& store, std::string_view text);
// Each group, its pairs with re-readable values, then an empty line; lines end in CR LF.
std::string tableText(const tlogotable& store);
