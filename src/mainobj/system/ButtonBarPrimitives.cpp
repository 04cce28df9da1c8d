#include "mainobj/system/systemPrimitives.h"

#include <vector>

#include "mainobj/primitiveTable.h"
#include "mainobj/system/buttonBar.h"
#include "mainobj/tPrimitiveCall.h"
#include "processes/tWindowThread.h"
#include "values/eLogoException.h"
#include "values/tListBuilder.h"
#include "values/tLogoBool.h"
#include "values/tLogoInt.h"
#include "values/tLogoList.h"
#include "values/tLogoRef.h"
#include "values/valuePools.h"

// The main window's button bar: "setbuttons" takes a list of buttons, each a list of its
// caption, the instruction list it runs as a typed line, and optionally a help text shown in a
// bubble over it: [[Square [repeat 4 [fd 50 rt 90]] [Draws a square]] [Clean [cs]]]. "buttons"
// outputs the list as given. The bar shows between "showbuttons" and "hidebuttons"; the
// buttons are at least "buttonssize" pixels wide and high; ".setbubblewindow" switches the
// help bubbles. Changed under the interpreter lock; the window's bar follows each change.

namespace {

constexpr int32_t kSmallestButton = 8;
constexpr int32_t kLargestButton = 128;

tButtonBarState& barState()
{
    static tButtonBarState state;
    return state;
}

// The list "buttons" answers; kept for the program's life, never torn down at its end.
tLogoRef<tlogoobject>& givenButtons()
{
    static auto* given = new tLogoRef<tlogoobject>(tListBuilder().Take());
    return *given;
}

void showChanges()
{
    if (std::shared_ptr<tButtonBarFront> front = buttonBarFront())
        RunOnWindowThread([&front] { front->Show(barState()); });
}

tBarButton buttonOf(tlogoobject* entry)
{
    if (!entry->IsList()) throw eLogoException(erBadStructure, entry);
    std::vector<tlogoobject*> parts;
    for (tlogoobject* part : elements(static_cast<tLogoList*>(entry))) parts.push_back(part);
    if (parts.size() < 2 || parts.size() > 3 || !parts[1]->IsList()) throw eLogoException(erBadStructure, entry);
    return {parts[0]->PrintText(0), parts[1]->PrintText(0), parts.size() == 3 ? parts[2]->PrintText(0) : std::string()};
}

tlogoobject* setbuttons(tPrimitiveCall& call)
{
    if (call.count() > 1) throw eLogoException(erTooManyInputs);
    std::vector<tBarButton> buttons;
    for (tlogoobject* entry : elements(call.list(0))) buttons.push_back(buttonOf(entry));
    barState().buttons = std::move(buttons);
    givenButtons() = call[0];
    showChanges();
    return nullptr;
}

tlogoobject* buttons(tPrimitiveCall& call)
{
    if (call.count() > 0) throw eLogoException(erTooManyInputs);
    return givenButtons().get();
}

tlogoobject* setbuttonssize(tPrimitiveCall& call)
{
    barState().size = call[0]->AsIntegerIn(kSmallestButton, kLargestButton);
    showChanges();
    return nullptr;
}

tlogoobject* buttonssize(tPrimitiveCall&) { return NewInteger(barState().size); }

tlogoobject* showbuttons(tPrimitiveCall&)
{
    barState().shown = true;
    showChanges();
    return nullptr;
}

tlogoobject* hidebuttons(tPrimitiveCall&)
{
    barState().shown = false;
    showChanges();
    return nullptr;
}

tlogoobject* bubblewindow(tPrimitiveCall&) { return NewBoolean(barState().bubbles); }

tlogoobject* setbubblewindow(tPrimitiveCall& call)
{
    barState().bubbles = call.boolean(0);
    showChanges();
    return nullptr;
}

constexpr tPrimitiveRow kButtonBarRows[] = {
    {"setbuttons", 1, kVariableInputs, &setbuttons},
    {"buttons", 0, kVariableInputs, &buttons},
    {"setbuttonssize", 1, kFixedInputs, &setbuttonssize},
    {"buttonssize", 0, kFixedInputs, &buttonssize},
    {"showbuttons", 0, kFixedInputs, &showbuttons},
    {"hidebuttons", 0, kFixedInputs, &hidebuttons},
    {".bubblewindow", 0, kFixedInputs, &bubblewindow},
    {".setbubblewindow", 1, kFixedInputs, &setbubblewindow},
};

}  // namespace

void registerButtonBarPrimitives(tLogoTab& table) { registerPrimitives(table, kButtonBarRows); }
