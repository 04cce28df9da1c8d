#include "controls/toolBars.h"

#include <algorithm>

#include "controls/tLogoControl.h"
#include "controls/toolKindClass.h"
#include "language/Language.h"
#include "mainobj/tMainLogoObject.h"
#include "objects/creationList.h"
#include "objects/objectProperties.h"
#include "turtle/kindClasses.h"
#include "turtle/tgrScreen.h"
#include "turtle/turtleAccess.h"

namespace {

// A tool button's height and the room around the controls on the bar.
constexpr int kBarThickness = 32;
constexpr int kGap = 2;

bool givenWhileMade(int32_t number) { return creationParameter(propertyNames(number).getterCode, false).get() != nullptr; }

}  // namespace

void tToolBar::MakeVisualPart()
{
    const bool sized = givenWhileMade(property::kSize) || givenWhileMade(property::kWidth) || givenWhileMade(property::kHeight);
    tlogopane::MakeVisualPart();
    tgrScreen* surface = screenOf(*this);
    tgrScreen* ground = place ? screenOf(*place) : nullptr;
    if (!sized && surface && ground) surface->Resize(ground->Width(), kBarThickness);
}

tControlObject* tToolBar::Make(tLogoStack& stack, const std::string& name) { return new tToolBar(&stack, name, 1); }

tPixelPoint firstFreeCorner(tmultiobject& control)
{
    auto* bar = dynamic_cast<tToolBar*>(control.place);
    tgrScreen* surface = bar ? screenOf(*bar) : nullptr;
    if (!surface) return {0, 0};
    const bool across = surface->Width() >= surface->Height();
    int next = kGap;
    for (tmultiobject* lying : bar->dependents) {
        auto* other = dynamic_cast<tLogoControl*>(lying);
        if (!other || other == &control || other->place != bar) continue;
        const tSimpleControlState state = other->Params().State();
        next = std::max(next, across ? state.left + state.width + kGap : state.top + state.height + kGap);
    }
    return across ? tPixelPoint{next, kGap} : tPixelPoint{kGap, next};
}

void registerToolBarKind()
{
    const std::string name = toolKindClassName("toolbar");
    if (mainLogoObject().FindOwn(nameCode(name))) return;
    registerToolKindClass("toolbar", new tPanePrototype(nullptr, name, tmultiobject::kOnlyMain), &tToolBar::Make);
}
