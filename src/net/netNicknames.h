#pragma once

#include <functional>
#include <string>
#include <string_view>

// A nickname no participant has yet: the requested one when it is free; otherwise its
// trailing decimal number (0 when it has none) counts up until base and number are free, so
// "ann" gives "ann1", "ann2" ..., and "bob7" gives "bob8".
std::string uniqueNickname(std::string_view requested, const std::function<bool(std::string_view)>& taken);

// Nicknames are compared as the language compares names (letter case does not count).
bool sameNickname(std::string_view a, std::string_view b);
