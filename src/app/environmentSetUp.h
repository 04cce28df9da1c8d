#pragma once

#include "processes/tLogoprocess.h"

class tCommander;
class tlogopage;

// What every way of starting the program shares: the language, the main object with every
// subsystem's primitives, the graphic kinds and the main window with its first page. The
// console and the window differ only in where text goes and where lines come from.
struct tEnvironment {
    tlogopage* shownPage = nullptr;   // null when the window could not be built
    // Typed lines address the page's turtle, as processes started for the page do.
    tProcessStart lineRunnerStart;
};

// Runs on the thread that calls it, with a window thread already installed. `work folder`
// is where names without a folder are found and written first. Failures building the window
// are reported through the commander; the interpreter still runs without it.
tEnvironment setUpEnvironment(const std::string& workFolder, const std::shared_ptr<tCommander>& commander);

// Typed lines find the objects of this page by name, and new turtles and panes go there; the
// window calls it again when it shows another page.
void showPageToTypedLines(tlogopage* shown);
