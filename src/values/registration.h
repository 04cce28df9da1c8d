#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "language/Language.h"
#include "values/tLogoTab.h"

// The user-visible names a primitive's internal key stands for: its "dict" synonyms (or
// "@key@" when the dictionary lacks it); "set*name" gives the setter forms of name's synonyms
// plus section "set"; "*name" gives name's synonyms plus section "get".
std::vector<std::string> registrationNames(std::string_view key);

// One descriptor of class T per user-visible name of the key; constructed as
// T(code, parameters...).
template <class T, class... Parameters>
void RegisterByKey(tLogoTab& table, std::string_view key, const Parameters&... parameters)
{
    for (const std::string& name : registrationNames(key)) table.PutEntry(new T(nameCode(name), parameters...));
}

// One descriptor under exactly this text (operators such as "+" or "<unary ->").
template <class T, class... Parameters>
void RegisterLiteral(tLogoTab& table, std::string_view text, const Parameters&... parameters)
{
    table.PutEntry(new T(nameCode(text), parameters...));
}
