#include "controls/controlProperties.h"

#include <optional>

#include "controls/controlPropertyNumbers.h"
#include "controls/controlPropertyRows.h"
#include "controls/tLogoControl.h"
#include "turtle/colours/colourValues.h"
#include "turtle/fontDescription.h"
#include "values/tLogoBool.h"
#include "values/valuePools.h"

// How a text box writes and what a text box or slider lies on. Until a program sets them the
// widgets keep their own look, and the getters answer the usual one.

namespace {

using namespace controlProperty;

// The usual look: black writing on white, a slider on the face colour of the window.
constexpr uint32_t kUsualText = 0x000000;
constexpr uint32_t kUsualTextGround = 0xFFFFFF;
constexpr uint32_t kUsualSliderGround = 0xF0F0F0;

tSimpleControlState stateOf(tmultiobject& object) { return controlOf(object).Params().State(); }

template <std::optional<uint32_t> tSimpleControlState::*Field, uint32_t Usual>
tlogoobject* getColour(tmultiobject& object)
{
    return colourToValue(tColour::FromRgb((stateOf(object).*Field).value_or(Usual)));
}
template <std::optional<uint32_t> tSimpleControlState::*Field>
void setColour(tmultiobject& object, tlogoobject* value)
{
    const uint32_t colour = value->AsColor();
    controlOf(object).Change([colour](tSimpleControlState& state) { state.*Field = colour; });
}

tlogoobject* getFont(tmultiobject& object) { return fontDescriptionOf(stateOf(object).font.value_or(tFontRecord{})); }
void setFont(tmultiobject& object, tlogoobject* value)
{
    const tFontRecord font = fontFromDescription(stateOf(object).font.value_or(tFontRecord{}), value);
    controlOf(object).Change([&font](tSimpleControlState& state) { state.font = font; });
}

tlogoobject* getTransparent(tmultiobject& object) { return NewBoolean(stateOf(object).transparent); }
void setTransparent(tmultiobject& object, tlogoobject* value)
{
    const bool transparent = value->AsBoolean();
    controlOf(object).Change([transparent](tSimpleControlState& state) { state.transparent = transparent; });
}

}  // namespace

void declareTextBoxLook(tmultiobject& kindClass)
{
    static const tControlPropertyRow rows[] = {
        {kFontText, {kFontText}, 0, {&getFont, &setFont}},
        {kColour, {kColour}, 0, {&getColour<&tSimpleControlState::textColour, kUsualText>, &setColour<&tSimpleControlState::textColour>}},
        {kBgColourText, {kBgColourText}, 0, {&getColour<&tSimpleControlState::background, kUsualTextGround>, &setColour<&tSimpleControlState::background>}},
    };
    declareControlPropertyRows(kindClass, rows);
}

void declareSliderLook(tmultiobject& kindClass)
{
    static const tControlPropertyRow rows[] = {
        {kBgColourSlider, {kBgColourSlider}, 0, {&getColour<&tSimpleControlState::background, kUsualSliderGround>, &setColour<&tSimpleControlState::background>}},
        {kTransparentSlider, {kTransparentSlider}, 0, {&getTransparent, &setTransparent}},
    };
    declareControlPropertyRows(kindClass, rows);
}
