#include "app/runWindow.h"

#include <QApplication>
#include <QMessageBox>
#include <QSplashScreen>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>

#include "app/environmentSetUp.h"
#include "app/environmentWindowsFront.h"
#include "mainobj/keyboard/keyMenuDispatch.h"
#include "mainobj/startup/parameterBlock.h"
#include "mainobj/startup/startupSequence.h"
#include "mainobj/tCommandRunner.h"
#include "mainobj/tMainLogoObject.h"
#include "platform/controls/tQtControlFront.h"
#include "platform/dialogs/imageEditor.h"
#include "platform/dialogs/tQtDialogFront.h"
#include "platform/editor/tObjectExplorer.h"
#include "platform/editor/tQtEditorFront.h"
#include "platform/printing/tQtButtonBar.h"
#include "platform/printing/tQtPrintFront.h"
#include "platform/singlecopy/tSingleCopy.h"
#include "platform/tQtWindowThread.h"
#include "platform/video/tQtVideoFront.h"
#include "platform/window/openRequest.h"
#include "platform/window/splashForm.h"
#include "platform/window/tEnvironmentWindow.h"
#include "platform/window/tWebWindows.h"
#include "platform/window/widgetApplication.h"
#include "platform/window/windowClosing.h"
#include "platform/window/windowText.h"
#include "processes/processPrimitives.h"
#include "processes/tInterpreterLock.h"
#include "processes/tSpecialProcess.h"
#include "processes/tallthreads.h"
#include "processes/tdefaultcommander.h"
#include "turtle/pointerState.h"
#include "turtle/tgrScreen.h"
#include "turtle/tlogopage.h"
#include "values/tLogoString.h"
#include "values/valuePools.h"

namespace {

tEnvironmentWindow* mainWindow = nullptr;
// How long a later copy waits for each step of the hand-over to the running one.
constexpr int kHandOverMilliseconds = 2000;

// "bye", or the close button when no "onErase" handler of the window object objects: the
// program ends at once, whatever the
// processes (the runner waiting for a line among them) are doing; what was printed into
// files is handed over first.
void closeWindow()
{
    tallthreads::Instance().KillAll();
    mainLogoObject().SelectOutput(nullptr);
    std::fflush(stdout);
    std::fflush(stderr);
    std::_Exit(0);
}

// Processes started without a commander (events, key menus) report in message boxes.
void showMessageBox(const std::string& caption, const std::string& text)
{
    QMessageBox::information(mainWindow, fromLogoText(caption), fromLogoText(text));
}

// Key menus answer for the objects the window shows: the window object and what lies on the
// shown page; their processes start with the receivers typed lines use.
void installKeyMenuWindow(tlogopage* page)
{
    setKeyMenuWindow({page->place, [page] { return static_cast<tmultiobject*>(page); },
                      [page] { return page->Receivers(); }, [page] { return page->ReceiversTable(); }});
}

// ".load" of the project (a word made beforehand: this runs as a completion routine, where the
// window thread may not take the interpreter lock) in the main object, reporting to the command
// area; the command line is read once it has ended, so typed lines never run into a half-loaded
// project.
void openProjectThen(tLogoRef<tlogoobject> project, const tProcessStart& like, std::function<void()> next)
{
    tProcessStart start;
    start.name = "@load";
    start.kind = ipInitialLoad;
    start.code = std::move(project);
    start.startObject = like.startObject;
    start.receivers = like.receivers;
    start.privateTable = like.privateTable;
    start.commander = like.commander;
    start.completion = {std::move(next), nullptr};
    tLogoprocess::Start<tdotLoadProcess>(std::move(start));
}

}  // namespace

int runWindow(int& argc, char** argv, const std::string& project, const std::vector<std::string>& files)
{
    std::unique_ptr<QApplication> application = makeWidgetApplication(argc, argv);
    // One copy per instance identifier unless the program's parameters allow several: a later
    // copy hands its project to the running one and ends before it shows anything.
    const tParameterBlock parameters = embeddedParameterBlock();
    std::unique_ptr<tSingleCopy> singleCopy;
    if (!parameters.severalCopies) {
        singleCopy = std::make_unique<tSingleCopy>(parameters.instanceId);
        std::error_code unresolved;
        const std::filesystem::path projectPath =
            project.empty() ? std::filesystem::path() : std::filesystem::absolute(project, unresolved);
        bool accepted = false;
        if (singleCopy->HandOver(projectPath.string(), kHandOverMilliseconds, &accepted)) {
            if (accepted) return 0;
            std::fprintf(stderr, "zembrix: the running copy cannot open it now (a dialog is open there, or the project is in another Logo language)\n");
            return 1;
        }
    }
    static tQtWindowThread windowThread;
    installWindowThread(&windowThread);
    // Shown while the environment is set up and the start-up sequence runs; the main window
    // takes its place.
    std::shared_ptr<QSplashScreen> splash = showSplash(!parameters.debug);
    auto showMainWindow = [splash] {
        if (splash->isVisible()) splash->close();
        if (!mainWindow->isVisible()) mainWindow->show();
    };
    mainWindow = new tEnvironmentWindow;  // lives as long as the program
    std::shared_ptr<tWindowCommander> commander = mainWindow->Commander();
    setDefaultCommander(std::make_shared<tdefaultcommander>(&showMessageBox));
    setMainWindowCloser(&closeWindow);
    // "edit" opens editor windows; what they define reaches the command runner as typed lines.
    installEditorFront(std::make_shared<tQtEditorFront>([commander](std::string line) { commander->TypeLine(std::move(line)); }));
    installExplorerFront(std::make_shared<tQtExplorerFront>());
    installDialogFront(std::make_shared<tQtDialogFront>(mainWindow));
    installImageEditor(qtImageEditor(mainWindow));
    installPrintFront(std::make_shared<tQtPrintFront>(mainWindow));
    // The bar's buttons type their instructions into the command area.
    installButtonBarFront(std::make_shared<tQtButtonBarFront>(mainWindow, [commander](std::string line) { commander->TypeLine(std::move(line)); }));
    installWebFront(std::make_shared<tWebWindowFront>());

    std::error_code failure;
    const std::filesystem::path here = std::filesystem::current_path(failure);
    tEnvironment environment = setUpEnvironment(failure ? std::string() : here.string() + "/", commander);
    static tLogoRef<tgrScreen> shownScreen;  // kept while the window shows it
    auto projectWord = std::make_shared<tLogoRef<tlogoobject>>();
    {
        tInterpreterLock::Holder output;
        mainLogoObject().fallbackOutput = std::make_unique<tWindowPrintOutput>(commander);
        if (environment.shownPage) shownScreen = tLogoRef<tgrScreen>(&environment.shownPage->Screen());
        if (!project.empty()) *projectWord = tLogoRef<tlogoobject>(NewWord(project));
    }
    tmultiobject* windowObject = environment.shownPage ? environment.shownPage->place : nullptr;
    mainWindow->SetCloser([windowObject] { requestWindowClose(windowObject, &closeWindow); });
    if (environment.shownPage) installKeyMenuWindow(environment.shownPage);
    mainWindow->ShowPage(environment.shownPage, shownScreen.get());
    auto controls = std::make_shared<tQtControlFront>(&mainWindow->PageView(), shownScreen.get());
    installControlFront(controls);
    // A page switch on the environment's window object shows another of its pages here, to the
    // mouse, the keys, the controls and the names typed lines use.
    installWindowFront(std::make_shared<tEnvironmentWindowsFront>(windowObject, [controls](tlogopage* page) {
        tLogoRef<tgrScreen> screen(&page->Screen());
        mainWindow->ShowPage(page, screen.get());
        controls->ShowSurface(screen.get());
        setMainSurface(screen.get());
        installKeyMenuWindow(page);
        showPageToTypedLines(page);
        shownScreen = std::move(screen);
    }));
    static tQtVideoFront videos(&mainWindow->PageView());
    installVideoFront(&videos);

    auto start = std::make_shared<tProcessStart>(std::move(environment.lineRunnerStart));
    start->name = "@commandarea";
    // A project handed over by a later copy opens in the main object, reporting here.
    auto openLike = std::make_shared<tProcessStart>();
    openLike->startObject = start->startObject;
    openLike->commander = commander;
    if (singleCopy && !singleCopy->Listen([openLike](const std::string& handed) { return openRequested(mainWindow, handed, *openLike); }))
        std::fprintf(stderr, "zembrix: later copies cannot reach this one; they will run on their own\n");
    auto startRunner = [start, files] { tLogoprocess::Start<tCommandRunner>(std::move(*start), files); };
    // The start-up program, a project the program carries and the window's start-up procedure
    // come first; the project of the command line, and then typed lines, follow them.
    tStartupFront front;
    front.mainWindow = windowObject;
    front.receivers = start->receivers;
    front.privateTable = start->privateTable;
    front.commander = commander;
    front.showError = [commander](const std::string& caption, const std::string& text) {
        commander->Write(tOutputKind::kError, caption + "\n" + text + "\n");
    };
    front.hideSplash = showMainWindow;
    front.finished = [projectWord, start, startRunner, showMainWindow](bool, std::shared_ptr<tLogoprocess>) {
        showMainWindow();
        if (*projectWord)
            openProjectThen(std::move(*projectWord), *start, startRunner);
        else
            startRunner();
    };
    startStartupSequence(std::move(front));
    application->exec();
    closeWindow();
    return 0;
}
