#include "turtle/graphicKinds.h"

#include <string>

#include "interpreter/drawingListPointsHook.h"
#include "language/Language.h"
#include "mainobj/keyboard/keyMenuProperty.h"
#include "mainobj/tMainLogoObject.h"
#include "objects/objectLifecycle.h"
#include "objects/objectList.h"
#include "objects/propertyVariables.h"
#include "turtle/drawingListPoints.h"
#include "turtle/tSplitwindow.h"
#include "turtle/kindClasses.h"
#include "turtle/tgrScreen.h"
#include "turtle/tlogopage.h"
#include "turtle/tlogopane.h"
#include "turtle/turtleAccess.h"
#include "values/tLogoStack.h"
#include "values/tLogoBool.h"
#include "values/tLogoString.h"
#include "values/valuePools.h"

namespace {

std::string firstWord(const std::string& words) { return words.substr(0, words.find(' ')); }

template <class Kind>
Kind* makeKindClass(const char* kind)
{
    tMainLogoObject& main = mainLogoObject();
    tLogoRef<Kind> made(new Kind(nullptr, primaryWord("class", kind), tmultiobject::kOnlyMain));
    made->isPrototype = true;
    made->SetUpTables();
    made->varTable->Define(nameCode(primaryWord("name", "namePrefix")), NewWord(firstWord(primaryWord("prefix", kind))),
                           0);
    linkObject(made.get());
    main.Register(made.get());
    return made.get();
}

tmultiobject* kindClass(const char* kind)
{
    return mainLogoObject().FindOwn(nameCode(primaryWord("class", kind)));
}

// An instance made directly, as the start-up program's "new" would make it, without a
// creation list.
template <class Object>
Object* makeInstance(const char* kind, tcontainerobject& owner, const std::string& name)
{
    tLogoStack stack(1);
    stack.push(kindClass(kind));
    tLogoRef<Object> made(new Object(&stack, name, 1));
    made->SetUpTables();
    made->isInstance = true;
    linkObject(made.get());
    if (&owner != &mainLogoObject()) made->SetPlace(&owner);
    owner.Register(made.get());
    giveInstanceProperties(*made);
    return made.get();
}

std::string firstName(const char* kind) { return firstWord(primaryWord("prefix", kind)) + "1"; }

}  // namespace

void registerGraphicKinds()
{
    auto* window = makeKindClass<tControlObject>("mainwindow");
    window->instanceClass = &tSplitwindow::Make;
    auto* page = makeKindClass<tPagePrototype>("page");
    page->instanceClass = &tlogopage::Make;
    auto* pane = makeKindClass<tPanePrototype>("pane");
    pane->instanceClass = &tlogopane::Make;
    auto* turtle = makeKindClass<tTurtlePrototype>("turtle");
    auto* ownWindow = makeKindClass<tWindowPrototype>("window");
    ownWindow->instanceClass = &tSplitwindow::Make;
    // Shown objects answer keys through their key menus; the window decides whether any does.
    for (tmultiobject* kind : {static_cast<tmultiobject*>(window), static_cast<tmultiobject*>(page),
                               static_cast<tmultiobject*>(pane), static_cast<tmultiobject*>(turtle),
                               static_cast<tmultiobject*>(ownWindow)})
        declareKeyMenuProperty(*kind);
    declareAcceptKeyMenuProperty(*window);
    setDrawingListPoints(&drawingListPoints);
}

tStartWindow buildStartWindow()
{
    tStartWindow built;
    auto* window = makeInstance<tSplitwindow>("mainwindow", mainLogoObject(), firstName("mainwindow"));
    built.window = window;
    window->needsPlace = false;
    window->creationDone = true;
    built.page = makeInstance<tlogopage>("page", *built.window, firstName("page"));
    window->shownPage = built.page;
    built.page->MakeVisualPart();
    built.page->creationDone = true;
    built.turtle = createInstance(*built.page, kindClass("turtle"), {}, nullptr);
    return built;
}
