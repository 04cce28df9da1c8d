#include "platform/window/openRequest.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include "language/Language.h"
#include "mainobj/system/workspaceChanged.h"
#include "platform/window/windowText.h"
#include "processes/tSpecialProcess.h"
#include "values/tLogoString.h"
#include "values/valuePools.h"

namespace {

// Saves the workspace first when a name was chosen, then loads the project as "loadproject"
// does. The words are made here, under the interpreter lock.
class tProjectOpening : public tSpecialProcess {
public:
    tProjectOpening(tProcessStart start, std::string project, std::string saveFirst)
        : tSpecialProcess(std::move(start)), project_(std::move(project)), saveFirst_(std::move(saveFirst))
    {
    }

    void RunOnce() override
    {
        if (!saveFirst_.empty()) {
            code = tLogoRef<tlogoobject>(NewWord(saveFirst_));
            RunPrimitiveOnCode(".save");
        }
        code = tLogoRef<tlogoobject>(NewWord(project_));
        RunPrimitiveOnCode("loadproject");
        RequestStop();
    }

private:
    const std::string project_;
    const std::string saveFirst_;
};

// Unsaved work is offered a save first; Cancel keeps everything as it is.
void askThenOpen(QWidget* mainWindow, const std::string& projectFile, const tProcessStart& like)
{
    std::string saveFirst;
    if (workspaceChanged()) {
        const QMessageBox::StandardButton answer =
            QMessageBox::question(mainWindow, fromLogoText(uiString("strings", "ZembriClosing")),
                                  fromLogoText(uiString("strings", "doyouwanttoerasememory")),
                                  QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        if (answer == QMessageBox::Cancel) return;
        if (answer == QMessageBox::Yes) {
            const QString chosen = QFileDialog::getSaveFileName(mainWindow, QString(), QString(),
                                                                QStringLiteral("Projects (*.zxp)"));
            if (chosen.isEmpty()) return;
            saveFirst = toLogoText(chosen);
        }
    }
    tProcessStart start;
    start.name = "@menu";
    start.kind = ipMenu;
    start.startObject = like.startObject;
    start.commander = like.commander;
    tLogoprocess::Start<tProjectOpening>(std::move(start), projectFile, std::move(saveFirst));
}

}  // namespace

bool openRequested(QWidget* mainWindow, const std::string& projectFile, const tProcessStart& like)
{
    if (QApplication::activeModalWidget() || QApplication::activePopupWidget()) return false;
    if (mainWindow->isMinimized()) mainWindow->showNormal();
    mainWindow->raise();
    mainWindow->activateWindow();
    if (projectFile.empty()) return true;
    // The later copy waits for the answer: the question comes after it.
    QPointer<QWidget> window(mainWindow);
    tProcessStart kept;
    kept.startObject = like.startObject;
    kept.commander = like.commander;
    auto keptStart = std::make_shared<tProcessStart>(std::move(kept));
    QTimer::singleShot(0, mainWindow, [window, projectFile, keptStart] {
        if (window) askThenOpen(window, projectFile, *keptStart);
    });
    return true;
}
