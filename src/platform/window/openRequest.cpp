#include "platform/window/openRequest.h"

#include <QApplication>
#include <QWidget>

#include "language/Language.h"
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

}  // namespace

bool openRequested(QWidget* mainWindow, const std::string& projectFile, const tProcessStart& like)
{
    if (QApplication::activeModalWidget() || QApplication::activePopupWidget()) return false;
    if (mainWindow->isMinimized()) mainWindow->showNormal();
    mainWindow->raise();
    mainWindow->activateWindow();
    if (projectFile.empty()) return true;
    // The later copy has its answer at once; the question, if any, comes in the process.
    tProcessStart start;
    start.name = "@menu";
    start.kind = ipMenu;
    start.startObject = like.startObject;
    start.commander = like.commander;
    tLogoprocess::Start<tProjectOpening>(std::move(start), projectFile);
    return true;
}
