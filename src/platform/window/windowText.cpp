#include "platform/window/windowText.h"

#include "platform/desktop/desktopText.h"

// One conversion for every boundary with Unicode: the desktop's, which turns what the code
// page lacks into "?" (Qt's own encoder would write a control character).
QString fromLogoText(std::string_view text) { return unicodeFromWord(text); }

std::string toLogoText(const QString& text) { return wordFromUnicode(text); }
