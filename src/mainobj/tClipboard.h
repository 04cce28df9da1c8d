#pragma once

#include <memory>
#include <string>

// The system clipboard's text. The windowed program installs the platform's; until then (and
// in the console) the text is kept in memory for the life of the program.
class tClipboard {
public:
    virtual ~tClipboard() = default;
    virtual std::string Text() { return text_; }
    virtual void SetText(const std::string& text) { text_ = text; }

private:
    std::string text_;
};

void installClipboard(std::shared_ptr<tClipboard> clipboard);
tClipboard& clipboard();
