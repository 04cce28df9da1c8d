#pragma once

#include <string>

#include "mainobj/tTextOutput.h"

// Printing to the clipboard collects the text and hands it over when the stream is closed,
// so it appears there only once "printto" selects something else or the program ends.
class tClipboardOutput : public tTextOutput {
public:
    ~tClipboardOutput() override { Close(); }
    void Write(std::string_view text) override { buffer_.append(text); }
    void Close() override;

private:
    std::string buffer_;
    bool closed_ = false;
};
