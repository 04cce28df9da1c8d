#pragma once

#include "processes/tCommander.h"

#include <functional>
#include <string>

// The commander of processes nobody gave one (events, menus) when no command window takes
// their reports: errors and printed texts appear in message boxes, shown on the window thread;
// there is nothing to read input from. The windowed program gives it the toolkit's message box.
class tdefaultcommander : public tCommander {
public:
    using MessageBox = std::function<void(const std::string& caption, const std::string& text)>;

    explicit tdefaultcommander(MessageBox messageBox) : messageBox(std::move(messageBox)) {}

    // A Logo error under the caption of where it happened, its message parts a blank line
    // apart; any other exception under the plain "Error" caption with its own message.
    void ShowError(const std::exception& error) override;
    void Print(const std::string& text) override;
    // Fails erNoTextInput.
    std::string ReadLine() override;
    void Abort() override {}

private:
    void Show(const std::string& caption, const std::string& text);

    MessageBox messageBox;
};
