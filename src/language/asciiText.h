#pragma once

// Letter case of internal names (keys, section names, file names): ASCII letters only,
// so the code page of the language never changes a key.

#include <string>
#include <string_view>

std::string lowerAscii(std::string_view text);
std::string upperAscii(std::string_view text);
