#include "controls/controlProperties.h"

#include <vector>

#include "controls/controlPropertyRows.h"
#include "controls/tLogoControl.h"
#include "turtle/controlProperties.h"
#include "values/tLogoInt.h"
#include "values/tLogoString.h"
#include "values/valuePools.h"

namespace {

tSimpleControlState stateOf(tmultiobject& object) { return controlOf(object).Params().State(); }

// What the common control properties reach: the bounds and the two switches kept in the
// control's state, which the window shows.
tControlBounds boundsOf(tmultiobject& object)
{
    const tSimpleControlState state = stateOf(object);
    return {state.left, state.top, state.width, state.height};
}

void setBoundsOf(tmultiobject& object, const tControlBounds& bounds)
{
    controlOf(object).Change([&bounds](tSimpleControlState& state) {
        state.left = bounds.left;
        state.top = bounds.top;
        state.width = bounds.width;
        state.height = bounds.height;
    });
}

void switchesChanged(tmultiobject& object)
{
    const tControlState switches = controlState(object);
    controlOf(object).Change([&switches](tSimpleControlState& state) {
        state.shown = switches.shown;
        state.enabled = switches.enabled;
    });
}

const tControlKind kSimpleControls{&boundsOf, &setBoundsOf, &switchesChanged};

void resize(tmultiobject& object, int width, int height)
{
    controlOf(object).Change([width, height](tSimpleControlState& state) {
        state.width = width;
        state.height = height;
    });
}

tlogoobject* getWidth(tmultiobject& object) { return NewInteger(stateOf(object).width); }
void setWidth(tmultiobject& object, tlogoobject* value) { resize(object, controlSide(value), stateOf(object).height); }

tlogoobject* getHeight(tmultiobject& object) { return NewInteger(stateOf(object).height); }
void setHeight(tmultiobject& object, tlogoobject* value) { resize(object, stateOf(object).width, controlSide(value)); }

// Kept with the state, so that the window's tooltip follows every change.
tlogoobject* getHint(tmultiobject& object) { return NewLiteralWord(stateOf(object).hint); }
void setHint(tmultiobject& object, tlogoobject* value)
{
    std::string hint = value->PrintText(0);
    // Texts made for other programs end in a zero character; a tooltip does not show it.
    if (!hint.empty() && hint.back() == '\0') hint.pop_back();
    controlOf(object).Change([&hint](tSimpleControlState& state) { state.hint = std::move(hint); });
}

// "size" carries the extent; "width" and "height" are its parts.
const tControlPropertyRow kOwnRows[] = {
    {6, {5, 6, 7}, propertyFlag::kDerived, {&getWidth, &setWidth}},
    {7, {5, 6, 7}, propertyFlag::kDerived, {&getHeight, &setHeight}},
    {8, {8}, 0, {&getHint, &setHint}},
};

}  // namespace

void declareControlPlacementProperties(tmultiobject& kindClass)
{
    declareControlProperties(kindClass, kSimpleControls);
    declareControlPropertyRows(kindClass, kOwnRows);
}
