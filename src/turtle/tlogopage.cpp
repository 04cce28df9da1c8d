#include "turtle/tlogopage.h"

#include "language/Language.h"
#include "objects/objectList.h"
#include "objects/objectNames.h"
#include "objects/tAskObject.h"
#include "turtle/tSplitwindow.h"
#include "turtle/tgrScreen.h"
#include "turtle/turtleAccess.h"
#include "turtle/windowKind.h"
#include "values/eLogoException.h"
#include "values/tListBuilder.h"
#include "values/tLogoList.h"

namespace {

// Destroyed objects have left the global list.
bool alive(tlogoobject* object)
{
    for (tmultiobject* at = firstObject(); at; at = at->next)
        if (at == object) return true;
    return false;
}

}  // namespace

namespace {
constexpr int kPageWidth = 796;
constexpr int kPageHeight = 499;
}  // namespace

void tlogopage::MakeVisualPart()
{
    if (!screenOf(*this)) attachScreen(*this, new tgrScreen(kPageWidth, kPageHeight));
}

void tlogopage::FinishCreation()
{
    if (auto* window = dynamic_cast<tSplitwindow*>(place)) pageMadeInWindow(*window, *this);
}

tControlObject* tlogopage::Make(tLogoStack& stack, const std::string& name) { return new tlogopage(&stack, name, 1); }

tlogopage* tlogopage::Enclosing(tmultiobject* object)
{
    for (tmultiobject* at = object; at; at = at->place)
        if (auto* page = dynamic_cast<tlogopage*>(at)) return page;
    return nullptr;
}

tgrScreen& tlogopage::Screen() { return *screenOf(*this); }

tlogoobject* tlogopage::Receivers()
{
    tListBuilder living;
    if (receivers_ && receivers_->IsList())
        for (tlogoobject* receiver : elements(static_cast<tLogoList*>(receivers_.get())))
            if (alive(receiver)) living.Append(receiver);
    return living.Take();
}

void tlogopage::TakeFirstTurtle(tmultiobject& turtle)
{
    tLogoRef<tlogoobject> living(Receivers());
    if (!living->IsEmpty()) return;
    tListBuilder only;
    only.Append(&turtle);
    receivers_ = tLogoRef<tlogoobject>(only.Take());
    tAskObject& fanOut = askObjectOf(turtle);
    fanOut.Refresh();
    receiversTable_ = fanOut.procTable.get();
}

void tlogopage::SetReceivers(const std::vector<tmultiobject*>& objects, tlogoobject* given)
{
    tAskObject* common = objects.empty() ? nullptr : &askObjectOf(*objects.front());
    tListBuilder receivers;
    for (tmultiobject* object : objects) {
        if (&askObjectOf(*object) != common) throw eLogoException(erIncopatible, given);
        receivers.Append(object);
    }
    if (objects.empty())
        if (tmultiobject* turtles = resolveObjectName(this, nameCode(primaryWord("class", "turtle"))))
            common = &askObjectOf(*turtles);
    if (common) common->Refresh();
    receivers_ = tLogoRef<tlogoobject>(receivers.Take());
    receiversTable_ = common ? common->procTable.get() : nullptr;
}
