#pragma once

#include <QString>

#include <string>
#include <string_view>

// Words are bytes of the language's code page (Windows-1252); widgets speak Unicode. The
// window converts at this boundary only.
QString fromLogoText(std::string_view text);
// Characters the code page lacks become "?".
std::string toLogoText(const QString& text);
