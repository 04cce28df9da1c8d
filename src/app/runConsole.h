#pragma once

#include <string>
#include <vector>

// Text mode: loads each file, then runs the lines of standard input until its end or "bye".
// The start-up builds the main window and its first page off-screen, so turtles draw; with a
// snapshot path, the shown page is written there as a PNG file at the end.
// Returns the exit status: 0, or 1 when any error was reported or the snapshot failed.
int runConsole(const std::vector<std::string>& files, const std::string& snapshot);
