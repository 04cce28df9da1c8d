#pragma once

#include "mainobj/tClipboard.h"

// The desktop's clipboard through Qt. Qt's clipboard belongs to the window thread, so every
// access is handed to it. The text goes there as plain text for other programs and, alongside,
// as the words' own bytes in a private format, which is read back first so that text survives
// the trip exactly. Bitmaps are Qt's images; the program's image files and projects have private
// formats. Once the Qt application is gone the clipboard is kept in memory.
class tQtClipboard : public tClipboard {
public:
    std::string Data(std::string_view format) override;
    void Set(const tContents& contents) override;
    std::vector<std::string> Formats() override;
};
