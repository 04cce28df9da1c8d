#pragma once

#include <string>
#include <vector>

// The window, its editor and its dialogs use Qt Widgets, which the console never needs: they
// live in a module beside the program, loaded only when a window opens, so that the console
// starts without loading and binding those libraries.
inline constexpr const char* kWindowModuleFile = "zembrix-window.so";
inline constexpr const char* kWindowModuleEntry = "zembrixRunWindow";
using tRunWindowEntry = int (*)(int& argc, char** argv, const std::string& project,
                                const std::vector<std::string>& files);

// Loads the module and runs the window (see runWindow). When the module cannot be loaded, says
// why on standard error and answers nothing, so that the caller can run the console instead.
tRunWindowEntry loadWindowModule();
