#include "controls/controlProperties.h"

#include <algorithm>
#include <vector>

#include "controls/controlPropertyNumbers.h"
#include "controls/controlPropertyRows.h"
#include "controls/tLogoControl.h"
#include "values/tLogoBool.h"
#include "values/tLogoInt.h"
#include "values/tLogoString.h"
#include "values/valuePools.h"

namespace {

using namespace controlProperty;

tSimpleControlState stateOf(tmultiobject& object) { return controlOf(object).Params().State(); }

void change(tmultiobject& object, const std::function<void(tSimpleControlState&)>& how) { controlOf(object).Change(how); }

// Texts: any value, as "print" shows it.
tlogoobject* getText(tmultiobject& object) { return NewLiteralWord(stateOf(object).text); }
void setText(tmultiobject& object, tlogoobject* value)
{
    std::string text = value->PrintText(0);
    change(object, [&text](tSimpleControlState& state) { state.text = std::move(text); });
}

// A switch of the state that a setter just stores.
template <bool tSimpleControlState::*Field>
tlogoobject* getFlag(tmultiobject& object)
{
    return NewBoolean(stateOf(object).*Field);
}
template <bool tSimpleControlState::*Field>
void setFlag(tmultiobject& object, tlogoobject* value)
{
    const bool flag = value->AsBoolean();
    change(object, [flag](tSimpleControlState& state) { state.*Field = flag; });
}

void setLatching(tmultiobject& object, tlogoobject* value)
{
    const bool latching = value->AsBoolean();
    change(object, [latching](tSimpleControlState& state) {
        state.latching = latching;
        // A button that no longer latches does not stay held.
        if (!latching) state.down = false;
    });
}

// A slider keeps min <= value <= max, as its track shows: a new bound moves the other bound
// and the value along instead of being refused.
void keepInRange(tSimpleControlState& state, int tSimpleControlState::*changed)
{
    if (changed == &tSimpleControlState::minimum) state.maximum = std::max(state.maximum, state.minimum);
    if (changed == &tSimpleControlState::maximum) state.minimum = std::min(state.minimum, state.maximum);
    state.value = std::clamp(state.value, state.minimum, state.maximum);
}

template <int tSimpleControlState::*Field>
tlogoobject* getNumber(tmultiobject& object)
{
    return NewInteger(stateOf(object).*Field);
}
template <int tSimpleControlState::*Field>
void setNumber(tmultiobject& object, tlogoobject* value)
{
    const int32_t number = value->AsInteger();
    change(object, [number](tSimpleControlState& state) {
        state.*Field = number;
        keepInRange(state, Field);
    });
}

const tControlPropertyRow kTextRow{kValue, {kValue}, 0, {&getText, &setText}};
const tControlPropertyRow kOneLineRow{kOneLine, {kOneLine}, 0, {&getFlag<&tSimpleControlState::oneLine>, &setFlag<&tSimpleControlState::oneLine>}};
const tControlPropertyRow kCaptionRow{kCaption, {kCaption}, 0, {&getText, &setText}};
const tControlPropertyRow kDownRow{kDown, {kDown}, 0, {&getFlag<&tSimpleControlState::down>, &setFlag<&tSimpleControlState::down>}};
const tControlPropertyRow kSwitchRow{kSwitch, {kSwitch, kDown}, 0, {&getFlag<&tSimpleControlState::latching>, &setLatching}};
// The bounds come before the value, so that a value given with new bounds is kept.
const tControlPropertyRow kMinRow{kMin, {kMin}, 0, {&getNumber<&tSimpleControlState::minimum>, &setNumber<&tSimpleControlState::minimum>}};
const tControlPropertyRow kMaxRow{kMax, {kMax}, 0, {&getNumber<&tSimpleControlState::maximum>, &setNumber<&tSimpleControlState::maximum>}};
const tControlPropertyRow kSliderValueRow{kSliderValue, {kSliderValue}, 0, {&getNumber<&tSimpleControlState::value>, &setNumber<&tSimpleControlState::value>}};
const tControlPropertyRow kVerticalRow{kVertical, {kVertical}, 0, {&getFlag<&tSimpleControlState::vertical>, &setFlag<&tSimpleControlState::vertical>}};

}  // namespace

void declareTextBoxProperties(tmultiobject& kindClass)
{
    static const tControlPropertyRow rows[] = {kTextRow, kOneLineRow};
    declareControlPropertyRows(kindClass, rows);
    declareTextBoxLook(kindClass);
}

void declareButtonProperties(tmultiobject& kindClass)
{
    static const tControlPropertyRow rows[] = {kCaptionRow, kDownRow, kSwitchRow};
    declareControlPropertyRows(kindClass, rows);
    declareButtonPicture(kindClass);
}

void declareCaptionProperty(tmultiobject& kindClass)
{
    static const tControlPropertyRow rows[] = {kCaptionRow};
    declareControlPropertyRows(kindClass, rows);
}

void declareSwitchProperties(tmultiobject& kindClass)
{
    static const tControlPropertyRow rows[] = {kCaptionRow, kDownRow};
    declareControlPropertyRows(kindClass, rows);
}

void declareSliderProperties(tmultiobject& kindClass)
{
    static const tControlPropertyRow rows[] = {kMinRow, kMaxRow, kSliderValueRow, kVerticalRow};
    declareControlPropertyRows(kindClass, rows);
    declareSliderLook(kindClass);
}
