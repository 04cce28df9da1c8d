#include "processes/tLogouserProcess.h"

#include "processes/interpreterRelease.h"

#include <thread>

void tLogoForeverProcess::RunOnce()
{
    for (;;) {
        RunCode();
        // A short list may never meet another process at its list runs: give the processor away.
        ReleaseInterpreter(false);
        std::this_thread::yield();
        RetakeInterpreter(true);
    }
}

void tLogoEveryProcess::RunOnce()
{
    for (;;) {
        RunCode();
        WaitOnStop(interval);
    }
}

void tLogoAfterProcess::RunOnce()
{
    WaitOnStop(interval);
    RunCode();
    RequestStop();
}
