#pragma once

#include <QString>

#include <string>
#include <string_view>

// Words are bytes of the language's code page (Windows-1252); the desktop's services (the
// clipboard, program arguments, addresses) speak Unicode.
QString unicodeFromWord(std::string_view word);
// Characters the code page lacks become "?".
std::string wordFromUnicode(const QString& text);
