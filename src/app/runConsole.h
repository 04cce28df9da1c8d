#pragma once

#include <string>
#include <vector>

// Text mode: loads each file, then runs the lines of standard input until its end or "bye".
// Returns the exit status: 0, or 1 when any error was reported.
int runConsole(const std::vector<std::string>& files);
