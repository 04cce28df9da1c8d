#pragma once

// The current language as the lookups see it: its dictionary and the words cached from it.
// A state is never changed once published; a switch publishes a new one.

#include "language/TDTables.h"
#include "language/WordComparison.h"

#include <memory>
#include <string>
#include <vector>

struct tCachedWords {
    std::vector<std::string> trueWords;
    std::vector<std::string> falseWords;
    std::string usualPrefix;
    std::string setterPrefix;
    std::string setterSuffix;
    tComparisonMode comparison = tComparisonMode::upperCase;
};

struct tLanguageState {
    std::string name;
    TDTables dictionary;
    tCachedWords words;
};

tCachedWords cacheWords(const TDTables& dictionary);

// The current language; loads english on first use. Ends the program when no dictionary
// can be had at all, since no word could be printed.
std::shared_ptr<const tLanguageState> languageState();

// Starts an empty name-code table under the given comparison (NameCodes.cpp).
void resetNameCodes(tComparisonMode mode);

// Whether the "ansi" output option transliterates fallback names and boolean words.
bool ansiOutput();
