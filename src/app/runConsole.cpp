#include "app/runConsole.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>

#include "app/environmentSetUp.h"
#include "app/pageSnapshot.h"
#include "app/tConsoleCommander.h"
#include "app/tTerminalOutput.h"
#include "mainobj/tCommandRunner.h"
#include "mainobj/startup/startupSequence.h"
#include "mainobj/tMainLogoObject.h"
#include "processes/interpreterRelease.h"
#include "processes/processPrimitives.h"
#include "processes/tInterpreterLock.h"
#include "processes/tQueuedWindowThread.h"
#include "processes/tallthreads.h"
#include "turtle/tlogopage.h"

namespace {

std::shared_ptr<tConsoleCommander> commander;
tlogopage* shownPage = nullptr;
std::string snapshotPath;
bool snapshotFailed = false;

int exitStatus() { return commander->ErrorReported() || snapshotFailed ? 1 : 0; }

void writeSnapshot()
{
    if (snapshotPath.empty() || !shownPage) return;
    if (writePageSnapshot(*shownPage, snapshotPath)) return;
    std::fprintf(stderr, "zembrix: cannot write the snapshot %s\n", snapshotPath.c_str());
    snapshotFailed = true;
}

// "bye" from any process: what was printed is handed over and the program ends at once,
// whatever the other processes (the runner waiting for input among them) are doing.
void closeConsole()
{
    tallthreads::Instance().KillAll();
    mainLogoObject().SelectOutput(nullptr);
    writeSnapshot();
    std::fflush(stdout);
    std::fflush(stderr);
    std::_Exit(exitStatus());
}

}  // namespace

int runConsole(const std::vector<std::string>& files, const std::string& snapshot)
{
    // The console shows no window: its window thread is a plain queue on this thread, and Qt's
    // application (slow to start) is not made; pictures are drawn without it.
    tQueuedWindowThread windowThread;
    installWindowThread(&windowThread);
    snapshotPath = snapshot;
    commander = std::make_shared<tConsoleCommander>();
    setDefaultCommander(commander);
    setMainWindowCloser(&closeConsole);
    // The folder the console was started in is the user's work folder: names without a
    // folder are found and written there before the program's own folder.
    std::error_code failure;
    const std::filesystem::path here = std::filesystem::current_path(failure);
    tEnvironment environment = setUpEnvironment(failure ? std::string() : here.string() + "/", commander);
    shownPage = environment.shownPage;
    {
        tInterpreterLock::Holder output;
        if (isatty(STDOUT_FILENO))
            mainLogoObject().fallbackOutput = std::make_unique<tTerminalOutput>();
        else
            mainLogoObject().fallbackOutput = tStdioOutput::StandardOutput();
    }
    // The start-up program, a project the program carries and the window's start-up procedure
    // come before the files and lines of the command line.
    tStartupFront front;
    front.mainWindow = shownPage ? shownPage->place : nullptr;
    front.receivers = environment.lineRunnerStart.receivers;
    front.privateTable = environment.lineRunnerStart.privateTable;
    front.commander = commander;
    front.showError = [](const std::string& caption, const std::string& text) { commander->ShowCaptioned(caption, text); };
    runStartupSequence(std::move(front), true);
    tProcessStart start = std::move(environment.lineRunnerStart);
    start.name = "@console";
    auto runner = tLogoprocess::Start<tCommandRunner>(std::move(start), files);
    runner->WaitForEnd();
    // The end of input ends the program as "bye" does. The lock is kept to the very end: a
    // process asked to stop must not run on while the program's statics are torn down.
    tallthreads::Instance().KillAll();
    tInterpreterLock::Instance().Lock();
    mainLogoObject().SelectOutput(nullptr);
    writeSnapshot();
    std::fflush(stdout);
    std::fflush(stderr);
    std::_Exit(exitStatus());
}
