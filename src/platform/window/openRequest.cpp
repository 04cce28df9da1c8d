#include "platform/window/openRequest.h"

#include <QApplication>
#include <QWidget>

#include "images/lgfChunks.h"
#include "images/lgfText.h"
#include "language/Language.h"
#include "language/StreamKeys.h"
#include "language/tFileStream.h"
#include "language/texecodedstream.h"
#include "mainobj/system/tFilePaths.h"
#include "mainobj/system/workspaceChanged.h"
#include "processes/tSpecialProcess.h"
#include "values/tLogoInt.h"
#include "values/tLogoRef.h"
#include "values/tLogoString.h"
#include "values/valuePools.h"

namespace {

// The open request's own process: with unsaved work it first asks, as "dialogbox" asks, whether
// to save it (a name chosen with "saveprojectchooser", saved with ".save"), then loads the project
// as "loadproject" does. The dialogs are the primitives' own, shown while the process waits,
// so the window thread never runs a nested event loop for them.
class tProjectOpening : public tSpecialProcess {
public:
    tProjectOpening(tProcessStart start, std::string project) : tSpecialProcess(std::move(start)), project_(std::move(project))
    {
    }

    void RunOnce() override
    {
        Open();
        // Only now: a stop requested earlier would end the process at its first list run.
        RequestStop();
    }

private:
    static constexpr int32_t kYes = 6;
    static constexpr int32_t kNo = 7;

    void Open()
    {
        if (workspaceChanged()) {
            constexpr int32_t kYesNoCancelQuestion = 3 | (2 << 4);
            tLogoRef<tlogoobject> answer = RunOperation(
                "dialogbox", {NewWord(uiString("strings", "doyouwanttoerasememory")),
                              NewWord(uiString("strings", "ZembriClosing")), NewInteger(kYesNoCancelQuestion)});
            const int32_t button = answer->AsInteger();
            if (button != kYes && button != kNo) return;
            if (button == kYes) {
                tLogoRef<tlogoobject> chosen = RunOperation("saveprojectchooser", {});
                if (chosen->IsList()) return;  // no name chosen: nothing happens
                code = chosen;
                RunPrimitiveOnCode(".save");
            }
        }
        code = tLogoRef<tlogoobject>(NewWord(project_));
        RunPrimitiveOnCode("loadproject");
    }

    const std::string project_;
};

// The Logo language the project file records, as "loadproject" reads it: as stored (an exported
// project is written without the filter), else behind the project filter. "*" when the file is
// no container, empty when it names no language (an english project).
std::string recordedLanguage(const std::string& path)
{
    tFileStream stored(path, tFileStream::openRead);
    const std::string asStored = readLanguageChunk(stored);
    if (asStored != "*") return asStored;
    seekTo(stored, 0);
    texecodedstream filter(stored, kProjectKey);
    return readLanguageChunk(filter);
}

// A project that cannot be read is taken: loading it reports why.
bool inCurrentLanguage(const std::string& path)
{
    std::string language;
    try {
        language = recordedLanguage(path);
    } catch (...) {
        return true;
    }
    return language == "*" || language.empty() || sameWord(language, currentLanguage());
}

}  // namespace

bool openRequested(QWidget* mainWindow, const std::string& projectFile, const tProcessStart& like)
{
    if (QApplication::activeModalWidget() || QApplication::activePopupWidget()) return false;
    const std::string project = projectFile.empty() ? std::string() : resolveFileName(projectFile, fkProject, {.search = true});
    // Loading it would only fail after the learner has been asked about unsaved work.
    if (!project.empty() && !inCurrentLanguage(project)) return false;
    if (mainWindow->isMinimized()) mainWindow->showNormal();
    mainWindow->raise();
    mainWindow->activateWindow();
    if (project.empty()) return true;
    // The later copy has its answer at once; the question, if any, comes in the process.
    tProcessStart start;
    start.name = "@menu";
    start.kind = ipMenu;
    start.startObject = like.startObject;
    start.commander = like.commander;
    tLogoprocess::Start<tProjectOpening>(std::move(start), project);
    return true;
}
