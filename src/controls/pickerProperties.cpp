#include "controls/pickerProperties.h"

#include <functional>
#include <sstream>

#include "controls/controlPropertyNumbers.h"
#include "controls/controlPropertyRows.h"
#include "controls/controlProperties.h"
#include "controls/pickedPages.h"
#include "controls/tLogoControl.h"
#include "objects/objectList.h"
#include "turtle/colours/colourTables.h"
#include "turtle/colours/colourValues.h"
#include "values/eLogoException.h"
#include "values/tLogoInt.h"
#include "values/tListBuilder.h"
#include "values/tLogoList.h"
#include "values/tLogoRef.h"
#include "values/tLogoString.h"
#include "values/valuePools.h"

namespace {

using namespace controlProperty;

tSimpleControlState stateOf(tmultiobject& object) { return controlOf(object).Params().State(); }

void change(tmultiobject& object, const std::function<void(tSimpleControlState&)>& how) { controlOf(object).Change(how); }

tColour shadeColour(int row, int shade) { return kShadeRows[row].shades[shade - 1]; }

// A colour a colour slider can show: one of the shade table's; erBadValue for any other.
tShadePlace shadePlaceOfValue(tlogoobject* value)
{
    const std::optional<tShadePlace> place = shadePlaceOf(tColour::FromRgb(value->AsColor()));
    if (!place) throw eLogoException(erBadValue, value);
    return *place;
}

tlogoobject* getColour(tmultiobject& object) { return colourToValue(tColour::FromRgb(stateOf(object).colour)); }
void setColour(tmultiobject& object, tlogoobject* value)
{
    const uint32_t colour = value->AsColor();
    change(object, [colour](tSimpleControlState& state) { state.colour = colour; });
}

// The row a colour slider runs over, written as its plain shade.
tlogoobject* getShadeRow(tmultiobject& object) { return colourToValue(shadeColour(stateOf(object).shadeRow, kPlainShade)); }
void setShadeRow(tmultiobject& object, tlogoobject* value)
{
    const tShadePlace place = shadePlaceOfValue(value);
    change(object, [&place](tSimpleControlState& state) { state.shadeRow = place.row; });
}

tlogoobject* getShade(tmultiobject& object)
{
    const tSimpleControlState state = stateOf(object);
    return colourToValue(shadeColour(state.shadeRow, state.value));
}
void setShade(tmultiobject& object, tlogoobject* value)
{
    const tShadePlace place = shadePlaceOfValue(value);
    change(object, [&place](tSimpleControlState& state) {
        state.shadeRow = place.row;
        state.value = place.shade;
    });
}

tlogoobject* getWidth(tmultiobject& object) { return NewInteger(stateOf(object).value); }
void setWidth(tmultiobject& object, tlogoobject* value)
{
    const int32_t width = value->AsIntegerIn(1, kWidestPickedPen);
    change(object, [width](tSimpleControlState& state) { state.value = width; });
}

// A melody is kept as its tokens; a word of several tokens is split at its blanks.
tlogoobject* getMelody(tmultiobject& object)
{
    tListBuilder tokens;
    std::istringstream words(stateOf(object).melody);
    for (std::string token; words >> token;) tokens.Append(NewLiteralWord(token));
    return tokens.Take();
}
void setMelody(tmultiobject& object, tlogoobject* value)
{
    std::string melody;
    if (value->IsList()) {
        for (tlogoobject* token : elements(static_cast<tLogoList*>(value))) {
            if (!token->IsWord()) throw eLogoException(erBadValue, token);
            melody += (melody.empty() ? "" : " ") + token->WordText();
        }
    } else {
        melody = value->WordText();
    }
    change(object, [&melody](tSimpleControlState& state) { state.melody = std::move(melody); });
}

tlogoobject* getShownPage(tmultiobject& object)
{
    const std::string shown = pageShownAround(object);
    if (shown.empty()) return new tLogoList;
    return NewLiteralWord(shown);
}
// Every page switch shows the page now shown: others of the window may lie on other pages.
void setShownPage(tmultiobject& object, tlogoobject* value)
{
    showPageAround(object, value);
    for (tmultiobject* at = firstObject(); at; at = at->next) {
        auto* other = dynamic_cast<tLogoControl*>(at);
        if (other && other->Params().State().kind == tSimpleControlKind::kPageSwitch) other->ShowPages();
    }
}

tlogoobject* getControlled(tmultiobject& object) { return controlOf(object).Controlled(); }
void setControlled(tmultiobject& object, tlogoobject* value)
{
    if (!value->IsWord() && !value->IsList()) throw eLogoException(erBadValue, value);
    controlOf(object).SetControlled(value);
}

const tControlPropertyRow kControlledRow{kControlledObject, {kControlledObject}, 0, {&getControlled, &setControlled}};

}  // namespace

void declareColourButtonProperties(tmultiobject& kindClass)
{
    static const tControlPropertyRow rows[] = {{kValue, {kValue}, 0, {&getColour, &setColour}}, kControlledRow};
    declareControlPropertyRows(kindClass, rows);
}

void declareColourSliderProperties(tmultiobject& kindClass)
{
    // The row comes before the shade, so that a shade given with a row is kept.
    static const tControlPropertyRow rows[] = {
        {kColour, {kColour}, 0, {&getShadeRow, &setShadeRow}},
        {kSliderValue, {kSliderValue, kColour}, 0, {&getShade, &setShade}},
        kControlledRow,
    };
    declareControlPropertyRows(kindClass, rows);
}

void declareWidthSwitchProperties(tmultiobject& kindClass)
{
    static const tControlPropertyRow rows[] = {{kValue, {kValue}, 0, {&getWidth, &setWidth}}, kControlledRow};
    declareControlPropertyRows(kindClass, rows);
}

void declareMelodyButtonProperties(tmultiobject& kindClass)
{
    declareCaptionProperty(kindClass);
    static const tControlPropertyRow rows[] = {{kValue, {kValue}, 0, {&getMelody, &setMelody}}};
    declareControlPropertyRows(kindClass, rows);
}

void declarePageSwitchProperties(tmultiobject& kindClass)
{
    // The window carries the page it shows: a project brings it back with the window.
    static const tControlPropertyRow rows[] = {{kValue, {kValue}, propertyFlag::kDerived, {&getShownPage, &setShownPage}}};
    declareControlPropertyRows(kindClass, rows);
}
