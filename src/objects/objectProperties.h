#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "language/Language.h"

// Every property of every object kind has a fixed number, the same in every language and the
// one stored projects use; its internal key is the dictionary key of its names.
constexpr int32_t kPropertyCount = 196;

namespace property {
// The numbers the object model and the kinds refer to.
constexpr int32_t kName = 0;
constexpr int32_t kAPos = 1;
constexpr int32_t kPos = 4;
constexpr int32_t kSize = 5;
constexpr int32_t kWidth = 6;
constexpr int32_t kHeight = 7;
constexpr int32_t kHint = 8;
constexpr int32_t kEnabled = 9;
constexpr int32_t kHeading = 40;
constexpr int32_t kXCor = 42;
constexpr int32_t kYCor = 43;
constexpr int32_t kPreferredName = 132;
constexpr int32_t kShown = 10;
constexpr int32_t kAutoDrag = 64;
constexpr int32_t kFrozen = 178;
constexpr int32_t kMyPlace = 171;
constexpr int32_t kKeyMenu = 176;
constexpr int32_t kFpuFlags = 195;
}  // namespace property

// The key of a number; empty for a number that has no property (29) or is out of range.
std::string_view propertyKey(int32_t number);

// The names of one property in the current language.
struct tPropertyNames {
    NameCode getterCode = 0;  // the variable and the main getter
    NameCode setterCode = 0;
    std::vector<std::string> extraGetterNames;
    std::vector<std::string> extraSetterNames;
    std::vector<std::string> synonyms;
};

// The names of a number, built for the current language on first use and again after every
// language switch; an empty record for a number without property.
const tPropertyNames& propertyNames(int32_t number);

// The numbers in the order their names are set up (and so interned).
const std::vector<int32_t>& propertySetUpOrder();

// Whether the word is one of the property's synonyms.
bool isPropertyWord(int32_t number, std::string_view word);
