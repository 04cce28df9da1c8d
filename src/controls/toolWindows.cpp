#include "controls/toolWindows.h"

#include "language/Language.h"
#include "mainobj/keyboard/keyMenuProperty.h"
#include "mainobj/tMainLogoObject.h"
#include "objects/objectList.h"
#include "turtle/kindClasses.h"
#include "turtle/tSplitwindow.h"
#include "values/tLogoRef.h"
#include "values/tLogoString.h"
#include "values/tLogoVarTab.h"
#include "values/valuePools.h"

namespace {

// Room for a column of tool buttons, beside the environment's page.
constexpr tControlBounds kToolWindowBounds{40, 120, 120, 320};

tControlObject* makeToolWindow(tLogoStack& stack, const std::string& name)
{
    auto* made = new tSplitwindow(&stack, name, 1);
    made->floating = true;
    made->bounds = kToolWindowBounds;
    return made;
}

std::string firstWord(const std::string& words) { return words.substr(0, words.find(' ')); }

}  // namespace

void registerToolWindowKind()
{
    tMainLogoObject& main = mainLogoObject();
    const std::string name = primaryWord("class", "toolwindow");
    if (main.FindOwn(nameCode(name))) return;
    tLogoRef<tWindowPrototype> made(new tWindowPrototype(nullptr, name, tmultiobject::kOnlyMain));
    made->isPrototype = true;
    made->instanceClass = &makeToolWindow;
    made->SetUpTables();
    declareKeyMenuProperty(*made);
    made->varTable->Define(nameCode(primaryWord("name", "namePrefix")), NewWord(firstWord(primaryWord("prefix", "toolwindow"))), 0);
    linkObject(made.get());
    main.Register(made.get());
}
