#include "app/environmentSetUp.h"
#include "controls/controlKinds.h"
#include "controls/startControls.h"

#include "images/projects/startObjects.h"
#include "images/projects/startProjects.h"
#include "images/startImages.h"
#include "interpreter/tProcessContext.h"
#include "mainobj/editor/editorFront.h"
#include "mainobj/explorer/exploredObjects.h"
#include "mainobj/keyboard/keyboardPrimitives.h"
#include "mainobj/startInterpreter.h"
#include "mainobj/system/tFilePaths.h"
#include "mainobj/tMainLogoObject.h"
#include "music/startMusic.h"
#include "media/startMedia.h"
#include "objects/objectList.h"
#include "objects/shownPage.h"
#include "net/startNet.h"
#include "platform/midi/tFluidSynthOutput.h"
#include "platform/devices/startDevices.h"
#include "platform/media/startMediaOutput.h"
#include "platform/net/startNetSockets.h"
#include "platform/desktop/startDesktop.h"
#include "platform/web/startWeb.h"
#include "platform/web/webKind.h"
#include "processes/interpreterRelease.h"
#include "processes/tCommander.h"
#include "processes/tInterpreterLock.h"
#include "turtle/colours/ColourPrimitives.h"
#include "turtle/graphicKinds.h"
#include "turtle/kindClasses.h"
#include "turtle/pointerPrimitives.h"
#include "turtle/pointerState.h"
#include "turtle/tlogopage.h"
#include "values/eLogoException.h"

// Typed lines run in the main object and find the shown page's objects through this, as long
// as the page lives (a destroyed object has left the global list). Turtles and panes, and what
// is made from their classes, live on pages.
void showPageToTypedLines(tlogopage* shown)
{
    tLogoRef<tlogopage> page(shown);
    auto living = [page]() -> tcontainerobject* {
        const bool linked = page->previous || page->next || firstObject() == page.get();
        return linked ? page.get() : nullptr;
    };
    auto livesOnPage = [](tmultiobject& objectClass) {
        auto surfaceKind = [](tmultiobject* at) {
            return dynamic_cast<tTurtlePrototype*>(at) || dynamic_cast<tPanePrototype*>(at) || isControlKindClass(*at);
        };
        if (surfaceKind(&objectClass)) return true;
        for (tmultiobject* ancestor : objectClass.ancestors)
            if (surfaceKind(ancestor)) return true;
        return false;
    };
    setShownPageSource({living, livesOnPage});
}

tEnvironment setUpEnvironment(const std::string& workFolder, const std::shared_ptr<tCommander>& commander)
{
    tEnvironment environment;
    {
        tInterpreterLock::Holder setUp;
        startInterpreter();
        startColours();
        if (!workFolder.empty()) setWorkFolder(workFolder);
        startImages();
        startProjects();
        startWeb();
        startDesktop();
        startEditor();
        startExplorer();
        startKeyboard();
        startMusic();
        startMidiOutput();
        startMedia();
        startMediaOutput();
        startDevices();
        // Before the kinds are built, so that the turtle class takes its pointer properties in.
        startPointer();
        installInterpreterLockCheck();
    }
    tInterpreterLock::Holder building;
    registerGraphicKinds();
    startControls();
    startNet();
    startWebKind();
    startNetSockets();
    tMainLogoObject& main = mainLogoObject();
    tProcessContext startUp(main.globalVarTable.get(), &main, true);
    tContextScope scope(startUp);
    try {
        environment.shownPage = buildStartWindow().page;
        // The main object's pointer and conversions answer for the page that is shown.
        setMainSurface(&environment.shownPage->Screen());
        // A saved project sets these objects' state instead of making them a second time.
        rememberStartObjects();
        environment.lineRunnerStart.receivers = tLogoRef<tlogoobject>(environment.shownPage->Receivers());
        environment.lineRunnerStart.privateTable = environment.shownPage->ReceiversTable();
        showPageToTypedLines(environment.shownPage);
    } catch (const eLogoException& failure) {
        commander->ShowError(failure);
    }
    environment.lineRunnerStart.startObject = &main;
    environment.lineRunnerStart.openFrame = true;
    environment.lineRunnerStart.commander = commander;
    return environment;
}
