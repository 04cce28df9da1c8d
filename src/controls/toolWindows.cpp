#include "controls/toolWindows.h"

#include "controls/toolKindClass.h"
#include "language/Language.h"
#include "mainobj/tMainLogoObject.h"
#include "turtle/kindClasses.h"
#include "turtle/tSplitwindow.h"

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

}  // namespace

void registerToolWindowKind()
{
    const std::string name = toolKindClassName("toolwindow");
    if (mainLogoObject().FindOwn(nameCode(name))) return;
    registerToolKindClass("toolwindow", new tWindowPrototype(nullptr, name, tmultiobject::kOnlyMain), &makeToolWindow);
}
