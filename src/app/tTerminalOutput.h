#pragma once

#include <cstdio>

#include "language/windows1252Text.h"
#include "mainobj/tTextOutput.h"

// Printed text on a terminal: converted to UTF-8 on its way out.
class tTerminalOutput : public tTextOutput {
public:
    void Write(std::string_view text) override
    {
        std::string converted = utf8FromWindows1252(text);
        std::fwrite(converted.data(), 1, converted.size(), stdout);
        std::fflush(stdout);
    }
};
