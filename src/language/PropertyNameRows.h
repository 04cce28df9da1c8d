#pragma once

// The names of object properties in the current language: for each property key, its name
// (first "dict" synonym, the key itself when missing) and every name that reads or sets it.
// Rebuilt by the object layer after each language switch (onLanguageSwitched).

#include "language/Language.h"

#include <string>
#include <vector>

struct tPropertyNameRow {
    std::string key;
    NameCode nameCode = 0;
    NameCode setterCode = 0;
    std::vector<std::string> setterNames;   // the setter of the name first
    std::vector<std::string> getterNames;   // names other than the primary one that read it
    std::vector<std::string> synonyms;
};

std::vector<tPropertyNameRow> buildPropertyNameRows(const std::vector<std::string>& keys);
