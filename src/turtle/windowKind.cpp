#include "turtle/windowKind.h"

#include <mutex>

#include "objects/destructionHooks.h"
#include "objects/eventNames.h"
#include "objects/objectEvents.h"
#include "language/Language.h"
#include "objects/objectNames.h"
#include "objects/propertyDeclaration.h"
#include "processes/tWindowThread.h"
#include "turtle/controlProperties.h"
#include "turtle/tSplitwindow.h"
#include "turtle/tlogopage.h"
#include "turtle/windowFront.h"
#include "values/eLogoException.h"
#include "values/tLogoList.h"
#include "values/tLogoString.h"
#include "values/valuePools.h"

namespace {

constexpr int32_t kActivePage = 19;
constexpr int32_t kCaption = 20;

tSplitwindow& window(tmultiobject& object)
{
    auto* found = dynamic_cast<tSplitwindow*>(&object);
    if (!found) throw eLogoException(erNotInsideWin);
    return *found;
}

// The front, when there is one, shows the object as it is now; nothing shows while the
// creation list is applied.
void showOnDesktop(tSplitwindow& shown)
{
    if (!shown.creationDone) return;
    RunOnWindowThread([&] {
        if (tWindowFront* front = windowFront()) front->Update(shown);
    });
}

// Called on the window thread by the common properties.
tControlBounds windowBounds(tmultiobject& object) { return window(object).bounds; }
void setWindowBounds(tmultiobject& object, const tControlBounds& bounds)
{
    window(object).bounds = bounds;
    showOnDesktop(window(object));
}
void windowStateChanged(tmultiobject& object) { showOnDesktop(window(object)); }

const tControlKind kWindowKind{&windowBounds, &setWindowBounds, &windowStateChanged};

tlogoobject* getCaption(tmultiobject& object) { return NewLiteralWord(window(object).caption); }
// A list shows as "print" shows it, without its brackets.
void setCaption(tmultiobject& object, tlogoobject* value)
{
    tSplitwindow& titled = window(object);
    titled.caption = value->IsList() ? value->PrintText(0) : value->WordText();
    showOnDesktop(titled);
}

tlogoobject* getActivePage(tmultiobject& object)
{
    tlogopage* page = window(object).shownPage;
    if (!page) return new tLogoList;
    return NewLiteralWord(page->name);
}
// One of the window's own pages, by its name (seen from the window) or as the object. While
// the window is being made the page may not be there yet: it is shown once it is made.
void setActivePage(tmultiobject& object, tlogoobject* value)
{
    tSplitwindow& shower = window(object);
    tmultiobject* named = dynamic_cast<tmultiobject*>(value);
    if (!named && value->IsWord()) named = resolveObjectPath(&shower, value->WordText());
    auto* page = dynamic_cast<tlogopage*>(named);
    if (!named && !shower.creationDone && value->IsWord()) {
        shower.awaitedPage = value->WordText();
        return;
    }
    if (!page || page->place != &shower) throw eLogoException(erPageNotExist, value);
    shower.awaitedPage.clear();
    showPageInWindow(shower, page);
}

const tBoundProperty kCaptionFunctions{&getCaption, &setCaption};
const tBoundProperty kActivePageFunctions{&getActivePage, &setActivePage};

// A window going away closes; a page going away is no longer shown by its window.
void forgetWindowParts(tmultiobject& object)
{
    if (auto* closing = dynamic_cast<tSplitwindow*>(&object)) {
        closing->shownPage = nullptr;
        RunOnWindowThread([&] {
            if (tWindowFront* front = windowFront()) front->Forget(*closing);
        });
        return;
    }
    auto* page = dynamic_cast<tlogopage*>(&object);
    auto* shower = page ? dynamic_cast<tSplitwindow*>(page->place) : nullptr;
    if (shower && shower->shownPage == page) {
        shower->shownPage = nullptr;
        showOnDesktop(*shower);
    }
}

}  // namespace

void declareWindowProperties(tmultiobject& windowClass)
{
    static std::once_flag hooked;
    std::call_once(hooked, [] { addDestructionHook(&forgetWindowParts); });
    declareControlProperties(windowClass, kWindowKind);
    declareProperty(windowClass, boundPropertyDeclaration(kActivePage, {}, 0, kActivePageFunctions));
    declareProperty(windowClass, boundPropertyDeclaration(kCaption, {}, 0, kCaptionFunctions));
}

void showPageInWindow(tSplitwindow& shower, tlogopage* page)
{
    if (shower.shownPage == page) return;
    // The handler sees the page it is told of still shown.
    if (shower.shownPage) fireEventAndWait(shower, eventCode(tEventKey::onHidePage));
    shower.shownPage = page;
    showOnDesktop(shower);
    if (page) fireEvent(shower, eventCode(tEventKey::onShowPage));
}

void tSplitwindow::FinishCreation()
{
    if (isControl(*this)) showOnDesktop(*this);
}

void pageMadeInWindow(tSplitwindow& window, tlogopage& page)
{
    const bool awaited = !window.awaitedPage.empty() && nameCode(window.awaitedPage) == nameCode(page.name);
    if (awaited) window.awaitedPage.clear();
    if (awaited || (!window.shownPage && window.awaitedPage.empty())) showPageInWindow(window, &page);
}
