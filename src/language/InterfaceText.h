#pragma once

// How an interface dictionary value becomes the text shown.

#include <string>
#include <string_view>
#include <vector>

// 0xB6 in a stored value stands for a line break.
std::string withLineBreaks(std::string_view value);

// The platform's format function over text arguments: "%s" and "%d" take the next argument
// (nothing once they run out), "%%" is a percent sign, anything else is kept.
std::string formatted(std::string_view pattern, const std::vector<std::string>& args);
