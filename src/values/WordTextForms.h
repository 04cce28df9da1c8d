#pragma once

#include <string>
#include <string_view>

// The two text forms of a word's text. The print form is for people: line breaks inside the
// word come out as line breaks. The source form reads back through the reader as the same word.
std::string wordPrintText(std::string_view text);
std::string wordSourceText(std::string_view text);
