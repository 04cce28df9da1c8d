#pragma once

#include <string>
#include <string_view>

// Words are Windows-1252 bytes; a terminal speaks UTF-8. The console converts at that boundary
// only, so pipes and files see the program's own bytes.
std::string utf8FromWindows1252(std::string_view text);
// Characters that Windows-1252 lacks become "?".
std::string windows1252FromUtf8(std::string_view text);
