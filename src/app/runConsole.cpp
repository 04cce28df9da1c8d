#include "app/runConsole.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <memory>

#include "app/tConsoleCommander.h"
#include "app/tTerminalOutput.h"
#include "mainobj/startInterpreter.h"
#include "mainobj/tCommandRunner.h"
#include "mainobj/tMainLogoObject.h"
#include "processes/interpreterRelease.h"
#include "processes/processPrimitives.h"
#include "processes/tInterpreterLock.h"
#include "processes/tQueuedWindowThread.h"
#include "processes/tallthreads.h"

namespace {

std::shared_ptr<tConsoleCommander> commander;

int exitStatus() { return commander->ErrorReported() ? 1 : 0; }

// "bye" from any process: what was printed is handed over and the program ends at once,
// whatever the other processes (the runner waiting for input among them) are doing.
void closeConsole()
{
    tallthreads::Instance().KillAll();
    mainLogoObject().SelectOutput(nullptr);
    std::fflush(stdout);
    std::fflush(stderr);
    std::_Exit(exitStatus());
}

}  // namespace

int runConsole(const std::vector<std::string>& files)
{
    tQueuedWindowThread windowThread;
    installWindowThread(&windowThread);
    commander = std::make_shared<tConsoleCommander>();
    setDefaultCommander(commander);
    setMainWindowCloser(&closeConsole);
    {
        tInterpreterLock::Holder setUp;
        startInterpreter();
        installInterpreterLockCheck();
        if (isatty(STDOUT_FILENO))
            mainLogoObject().fallbackOutput = std::make_unique<tTerminalOutput>();
        else
            mainLogoObject().fallbackOutput = tStdioOutput::StandardOutput();
    }
    tProcessStart start;
    start.name = "@console";
    start.startObject = &mainLogoObject();
    start.openFrame = true;
    start.commander = commander;
    auto runner = tLogoprocess::Start<tCommandRunner>(std::move(start), files);
    runner->WaitForEnd();
    // The end of input ends the program as "bye" does.
    tallthreads::Instance().KillAll();
    {
        tInterpreterLock::Holder closing;
        mainLogoObject().SelectOutput(nullptr);
    }
    std::fflush(stdout);
    return exitStatus();
}
