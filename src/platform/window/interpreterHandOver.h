#pragma once

#include <functional>
#include <string>

// The window thread never takes the interpreter lock, yet mouse messages and close requests
// must look at Logo objects. A process without code takes the lock on its behalf: its
// completion routine, which the window thread runs while the process still holds the lock,
// is `routine`. False when no process could start (the program is closing); then nothing runs.
bool runUnderInterpreter(const std::string& processName, std::function<void()> routine);
