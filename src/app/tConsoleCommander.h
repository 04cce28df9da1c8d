#pragma once

#include <atomic>
#include <string>

#include "processes/tCommander.h"

// The console's commander: lines come from standard input (with a prompt only on a terminal),
// errors go to standard error, reports to standard output; text is UTF-8 on a terminal. It remembers whether any error was
// reported, for the exit status.
class tConsoleCommander : public tCommander {
public:
    void ShowError(const std::exception& error) override;
    void Print(const std::string& text) override;
    // At the end of input raises the termination exception, which ends the runner quietly.
    std::string ReadLine() override;
    void Abort() override {}
    // An error shown under a caption of its own (the start-up's): the caption, then the text.
    void ShowCaptioned(const std::string& caption, const std::string& text);

    bool ErrorReported() const { return errorReported_; }

private:
    void writeError(const std::string& report);

    std::atomic<bool> errorReported_{false};
};
