#pragma once

#include <string>
#include <string_view>

// The source form of a word's text: escapes or bars where the reader would otherwise split,
// drop or change characters, so that reading it back gives the same word.
std::string wordSourceText(std::string_view text);

// Makes words answer SourceText with wordSourceText; called once at start-up.
void installWordSourceForm();
