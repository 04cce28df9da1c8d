#include "controls/toolButtonProperties.h"

#include "controls/controlProperties.h"
#include "controls/controlPropertyNumbers.h"
#include "controls/controlPropertyRows.h"
#include "controls/tLogoControl.h"
#include "controls/toolButtons.h"
#include "values/tLogoBool.h"
#include "values/tLogoInt.h"
#include "values/tLogoString.h"
#include "values/valuePools.h"

namespace {

using namespace controlProperty;

constexpr int32_t kLastStyle = 3;
constexpr int32_t kLastGroup = 1000000;

tSimpleControlState stateOf(tmultiobject& object) { return controlOf(object).Params().State(); }

tlogoobject* getCaption(tmultiobject& object) { return NewLiteralWord(stateOf(object).text); }
void setCaption(tmultiobject& object, tlogoobject* value)
{
    std::string caption = value->PrintText(0);
    controlOf(object).Change([&caption](tSimpleControlState& state) { state.text = std::move(caption); });
}

tlogoobject* getDown(tmultiobject& object) { return NewBoolean(stateOf(object).down); }
void setDown(tmultiobject& object, tlogoobject* value) { setToolButtonDown(object, value->AsBoolean()); }

tlogoobject* getGroup(tmultiobject& object) { return NewInteger(stateOf(object).tool.group); }
void setGroup(tmultiobject& object, tlogoobject* value) { setToolButtonGroup(object, value->AsIntegerIn(0, kLastGroup)); }

tlogoobject* getStyle(tmultiobject& object) { return NewInteger(stateOf(object).tool.style); }
void setStyle(tmultiobject& object, tlogoobject* value)
{
    const int32_t style = value->AsIntegerIn(0, kLastStyle);
    controlOf(object).Change([style](tSimpleControlState& state) { state.tool.style = style; });
}

// A switch of the tool state that its setter just stores.
template <bool tToolState::*Field>
tlogoobject* getToolFlag(tmultiobject& object)
{
    return NewBoolean(stateOf(object).tool.*Field);
}
template <bool tToolState::*Field>
void setToolFlag(tmultiobject& object, tlogoobject* value)
{
    const bool flag = value->AsBoolean();
    controlOf(object).Change([flag](tSimpleControlState& state) { state.tool.*Field = flag; });
}

// The group comes before "down", so that a creation list's "down" knows whether it makes a tool.
const tControlPropertyRow kRows[] = {
    {kCaption, {kCaption}, 0, {&getCaption, &setCaption}},
    {kGroup, {kGroup}, 0, {&getGroup, &setGroup}},
    {kAllUp, {kAllUp}, 0, {&getToolFlag<&tToolState::allUp>, &setToolFlag<&tToolState::allUp>}},
    {kDown, {kDown}, 0, {&getDown, &setDown}},
    {kFlat, {kFlat}, 0, {&getToolFlag<&tToolState::flat>, &setToolFlag<&tToolState::flat>}},
    {kOneShot, {kOneShot}, 0, {&getToolFlag<&tToolState::oneShot>, &setToolFlag<&tToolState::oneShot>}},
    {kStyle, {kStyle}, 0, {&getStyle, &setStyle}},
};

}  // namespace

void declareToolButtonProperties(tmultiobject& kindClass)
{
    declareControlPropertyRows(kindClass, kRows);
    declareButtonPicture(kindClass);
}
