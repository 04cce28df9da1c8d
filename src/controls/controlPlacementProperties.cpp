#include "controls/controlProperties.h"

#include <vector>

#include "controls/controlPropertyRows.h"
#include "controls/tLogoControl.h"
#include "objects/objectProperties.h"
#include "turtle/controlProperties.h"
#include "turtle/hintProperty.h"
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

// The window's tooltip shows a copy of the hint kept with every object's.
void hintChanged(tmultiobject& object)
{
    std::string hint = hintOf(object);
    controlOf(object).Change([&hint](tSimpleControlState& state) { state.hint = std::move(hint); });
}

const tControlKind kSimpleControls{&boundsOf, &setBoundsOf, &switchesChanged, &hintChanged};

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

// "size" carries the extent; "width" and "height" are its parts.
const tControlPropertyRow kOwnRows[] = {
    {property::kWidth, {property::kSize, property::kWidth, property::kHeight}, propertyFlag::kDerived, {&getWidth, &setWidth}},
    {property::kHeight, {property::kSize, property::kWidth, property::kHeight}, propertyFlag::kDerived, {&getHeight, &setHeight}},
};

}  // namespace

void declareControlPlacementProperties(tmultiobject& kindClass)
{
    declareControlProperties(kindClass, kSimpleControls);
    declareControlPropertyRows(kindClass, kOwnRows);
}
