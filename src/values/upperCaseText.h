#pragma once

#include <string>
#include <string_view>

// Upper case under the rules of the Windows-1252 code page words are kept in: ASCII letters,
// the accented letters of 0xE0..0xFE (but the division sign) and the few letters that have
// their capital elsewhere (0x9A, 0x9C, 0x9E, 0xFF).
std::string upperCaseText(std::string_view text);
