#include "mainobj/startup/startupSequence.h"

#include <sstream>

#include "language/Language.h"
#include "mainobj/startup/embeddedFiles.h"
#include "mainobj/startup/startupState.h"
#include "mainobj/startup/tstartingcommander.h"
#include "mainobj/system/workspaceChanged.h"
#include "mainobj/tMainLogoObject.h"
#include "objects/tmultiobject.h"
#include "processes/processEnvironment.h"
#include "processes/tInterpreterLock.h"
#include "processes/tLogoAssocProcess.h"
#include "processes/tSpecialProcess.h"
#include "processes/tSyncEvent.h"
#include "processes/tWindowThread.h"
#include "values/eLogoException.h"
#include "values/tLogoString.h"
#include "values/tTabDesc.h"
#include "values/valuePools.h"

namespace {

struct tSequence {
    tStartupFront front;
    std::shared_ptr<tstartingcommander> commander;
};
using tSequenceRef = std::shared_ptr<tSequence>;

void end(const tSequenceRef& sequence, bool succeeded, std::shared_ptr<tLogoprocess> startupProcedure = nullptr)
{
    setStartupLoadingFlag(false);
    setStartupInProgress(false);
    if (sequence->front.finished)
        sequence->front.finished(succeeded, std::move(startupProcedure));
}

void hideSplash(const tSequenceRef& sequence)
{
    if (sequence->front.hideSplash)
        sequence->front.hideSplash();
}

void fail(const tSequenceRef& sequence, const std::string& caption, const std::string& text)
{
    if (sequence->front.showError)
        sequence->front.showError(caption, text);
    end(sequence, false);
}

std::string failedFileCaption()
{
    return formatTemplate(uiString("ErrorCaptions", "ErrorinFile"), {kEmbeddedProjectName});
}

// The loaders run a file name word with the start-up commander; `then` runs on the window
// thread once the loader has ended.
template <class Loader>
void startLoader(const tSequenceRef& sequence, const char* name, tInprocType kind, const char* file,
                 tmultiobject* startObject, void (*then)(const tSequenceRef&))
{
    tProcessStart start;
    start.name = name;
    start.kind = kind;
    start.code = tLogoRef<tlogoobject>(NewLiteralWord(file));
    start.startObject = tLogoRef<tlogoobject>(startObject);
    start.commander = sequence->commander;
    start.completion.routine = [sequence, then] { then(sequence); };
    tLogoprocess::Start<Loader>(std::move(start));
}

// The first name of the dictionary's list that the window defines; empty when none.
std::string startupProcedureName(tmultiobject& window)
{
    std::istringstream names(getStr("other", "startup", false));
    std::string name;
    while (names >> name)
        if (window.procTable && window.procTable->FindEntry(nameCode(name)))
            return name;
    return {};
}

std::shared_ptr<tLogoprocess> startStartupProcedure(const tSequenceRef& sequence)
{
    tmultiobject* window = sequence->front.mainWindow;
    const std::string name = window ? startupProcedureName(*window) : std::string();
    if (name.empty())
        return nullptr;
    tProcessStart start;
    start.name = "@startup";
    start.kind = ipStartup;
    start.code = tLogoRef<tlogoobject>(NewLiteralWord(name));
    start.startObject = tLogoRef<tlogoobject>(window);
    start.receivers = sequence->front.receivers;
    start.privateTable = sequence->front.privateTable;
    start.openFrame = true;
    start.commander = sequence->front.commander;
    return tLogoprocess::Start<tLogoAssocProcess>(std::move(start));
}

void afterProject(const tSequenceRef& sequence)
{
    setStartupLoadingFlag(false);
    // What the start-up made is the workspace's starting point, not a change to save.
    setWorkspaceChanged(false);
    hideSplash(sequence);
    const std::string error = sequence->commander->ErrorText();
    if (!error.empty())
        return fail(sequence, failedFileCaption(), error);
    try {
        end(sequence, true, startStartupProcedure(sequence));
    } catch (const std::exception& failure) {
        fail(sequence, uiString("ErrorCaptions", "Error"), failure.what());
    }
}

void afterStartupProgram(const tSequenceRef& sequence)
{
    setStartupLoading(false);
    setStartupProgramMode(false);
    setWorkspaceChanged(false);
    const std::string error = sequence->commander->ErrorText();
    if (!error.empty()) {
        hideSplash(sequence);
        return fail(sequence, uiString("ErrorCaptions", "ErrorinZembrixbin"), error);
    }
    if (!programCarries(kEmbeddedProjectName))
        return afterProject(sequence);
    tmultiobject* window = sequence->front.mainWindow;
    try {
        startLoader<tdotLoadProcess>(sequence, "@load", ipInitialLoad, kEmbeddedProjectName,
                                     window ? window : static_cast<tmultiobject*>(&mainLogoObject()), &afterProject);
    } catch (const std::exception& failure) {
        hideSplash(sequence);
        fail(sequence, failedFileCaption(), failure.what());
    }
}

}  // namespace

void startStartupSequence(tStartupFront front)
{
    auto sequence = std::make_shared<tSequence>();
    sequence->commander = std::make_shared<tstartingcommander>(front.commander ? front.commander : defaultCommander());
    sequence->front = std::move(front);
    setStartupInProgress(true);
    setStartupLoading(true);
    setStartupLoadingFlag(true);
    setStartupProgramMode(true);
    try {
        // Nothing runs yet, so the window thread may take the lock to make the loader's word.
        tInterpreterLock::Holder values;
        startLoader<tLoadProcess>(sequence, "@zembrix", ipINILoad, kStartupProgramName, &mainLogoObject(),
                                  &afterStartupProgram);
    } catch (const std::exception& failure) {
        setStartupLoading(false);
        setStartupProgramMode(false);
        fail(sequence, uiString("ErrorCaptions", "ErrorinZembrixbin"), failure.what());
    }
}

bool runStartupSequence(tStartupFront front, bool waitForStartupProcedure)
{
    tSyncEvent ended(tSyncEvent::kManualReset, false);
    bool succeeded = false;
    std::shared_ptr<tLogoprocess> startupProcedure;
    auto finished = std::move(front.finished);
    front.finished = [&](bool ok, std::shared_ptr<tLogoprocess> procedure) {
        succeeded = ok;
        startupProcedure = procedure;
        if (finished)
            finished(ok, std::move(procedure));
        ended.Set();
    };
    startStartupSequence(std::move(front));
    windowThread()->WaitServing(ended);
    if (waitForStartupProcedure && startupProcedure)
        startupProcedure->WaitForEnd();
    return succeeded;
}
