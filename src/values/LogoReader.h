#pragma once

#include <string_view>

class tLogoList;

// Reads Logo source text into a list of words, numbers, booleans and nested lists (count 0).
// With byLines, each line of the trimmed text becomes its own sub-list. A text that ends inside
// a list fails erMissingRBracket unless closeOpenLists is set (loading a project), and a "]"
// that closes nothing fails erExtraRBracket.
tLogoList* ListFromText(std::string_view text, bool byLines, bool closeOpenLists = false);

// The line (from 1) on which the count-th element token of the text stands. Element tokens are
// words, numbers and "[" in text order, from 1; a count past the end gives the last line.
int LineOfToken(std::string_view text, int count);
