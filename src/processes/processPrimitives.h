#pragma once

#include <cstdint>
#include <functional>

class tLogoStack;
class tLogoTab;
class tlogoobject;

// The process primitives of the main object: launch, forever, every, after, cancel, stopme,
// stopall, done?, pauseall, resumeall, allprocesses, processname, runcritical and bye.
// The main object calls this once with its primitive table.
void registerProcessPrimitives(tLogoTab& table);

// "wait" and the other pauses of a running process: the duration is in the elapse unit; a
// stop request ends the wait and the process. Fails erInternWait0 outside a process.
void waitInProcess(int32_t duration);

// How "bye" closes the main window on the window thread (the program's window or console
// installs it). A "bye" while none is installed does nothing.
void setMainWindowCloser(std::function<void()> closer);
