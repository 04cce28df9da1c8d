#pragma once

#include "processes/tLogoprocess.h"

// The process started when a tool button is pressed, and by Escape in the main window: it lets
// go of the tool button that is down before it runs its code (Escape gives none). Letting go
// needs the interpreter lock, which the window thread never takes, so it happens here.
class tToolPressedProcess : public tLogoprocess {
public:
    explicit tToolPressedProcess(tProcessStart start) : tLogoprocess(std::move(start)) {}
    void GuardedRun() override;
};

// Escape: a tool-pressed process ("setnil") without code.
void releaseActiveToolButton();
