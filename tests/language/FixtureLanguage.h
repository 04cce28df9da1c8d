#pragma once

// Small language dictionaries of the tests' own, installed as coded "<name>.ldx" files beside
// the test program, so the tests do not depend on the shipped vocabulary.

#include <string>
#include <string_view>

// Writes the coded file and removes it again at program end. The language's name is `base`
// plus the process id, so test processes running side by side do not share files.
std::string installFixtureLanguage(const std::string& base, std::string_view text);

// The language most tests run in, installed and made current; gives its name.
std::string useFixtureLanguage();

extern const char* const kFixtureLanguageText;
