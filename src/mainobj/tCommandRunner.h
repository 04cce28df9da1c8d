#pragma once

#include <optional>
#include <string>
#include <vector>

#include "processes/tLogoprocess.h"

// The typed-command runner: a process in the main object that first loads the given files
// (their text run line by line, definitions collected) and then reads lines through its
// commander until the commander ends the input (by raising the
// termination exception from ReadLine). Its creator opens a frame in its local table,
// so "local" and "for" work at the command line.
class tCommandRunner : public tLogoprocess {
public:
    tCommandRunner(tProcessStart start, std::vector<std::string> files);

    void RunOnce() override;

private:
    void Load(const std::string& path);
    // None when the commander's input has ended.
    std::optional<std::string> NextLine();

    std::vector<std::string> files_;
};
