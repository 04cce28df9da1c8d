#pragma once

#include <functional>
#include <memory>
#include <string>

#include "processes/tCommander.h"
#include "values/tLogoRef.h"

class tLogoTab;
class tLogoprocess;
class tmultiobject;
class tlogoobject;

// What a front end (the console, the window) gives the start-up sequence.
struct tStartupFront {
    // The main window object: the embedded project loads in it, its start-up procedure runs
    // in it with the receivers and private table it remembers.
    tmultiobject* mainWindow = nullptr;
    tLogoRef<tlogoobject> receivers;
    tLogoTab* privateTable = nullptr;
    // Where the loaders print and the start-up procedure reports; none: the default commander.
    std::shared_ptr<tCommander> commander;
    // Shows a start-up error once, under its caption.
    std::function<void(const std::string& caption, const std::string& text)> showError;
    // The splash form goes away and the main window shows (the window front only).
    std::function<void()> hideSplash;
    // On the window thread, once the sequence is over: whether it ran without error, and the
    // process of the window's start-up procedure when one was started.
    std::function<void(bool succeeded, std::shared_ptr<tLogoprocess> startupProcedure)> finished;
};

// On the window thread, after the environment is set up and before anything else runs (it
// takes the interpreter lock for a moment). Loads the start-up program "*exe.bin" in
// start-up-program mode, its definitions as system entries; then, when the program carries
// one, the project "*project.zxp" in the main window; then starts the window's start-up
// procedure (the first of the names the dictionary entry "startup" of section "other" lists
// that the window defines). An error stops the sequence and is shown once, under the caption
// "ErrorinZembrixbin" or "ErrorinFile". Returns at once; each step starts when the previous
// one has ended.
void startStartupSequence(tStartupFront front);

// The same, returning once the sequence is over (and, when asked, once the start-up
// procedure has ended), serving the window thread meanwhile. False after an error.
bool runStartupSequence(tStartupFront front, bool waitForStartupProcedure);
