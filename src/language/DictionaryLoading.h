#pragma once

// Finding and reading a language dictionary: "<language>.ldx" beside the program, else the
// built-in resource named after the language.

#include "language/TDTables.h"

#include <optional>
#include <string_view>

std::optional<TDTables> loadLanguageDictionary(std::string_view language);
