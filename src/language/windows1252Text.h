#pragma once

#include <string>
#include <string_view>

// Words are Windows-1252 bytes (the English code page). Text is converted only where it leaves
// for a world that speaks Unicode: a terminal (UTF-8), a web page (character references).
std::string utf8FromWindows1252(std::string_view text);
// The Unicode character of one byte; the five bytes the code page leaves unused stand for
// themselves.
char32_t codePointOfWindows1252(unsigned char byte);
// Characters that Windows-1252 lacks become "?".
std::string windows1252FromUtf8(std::string_view text);
