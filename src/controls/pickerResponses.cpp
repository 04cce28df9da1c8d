#include "controls/pickerResponses.h"

#include <algorithm>
#include <initializer_list>
#include <string>

#include "controls/controlPropertyNumbers.h"
#include "controls/tLogoControl.h"
#include "controls/tLogoControlParams.h"
#include "language/Language.h"
#include "objects/objectProperties.h"
#include "processes/tLogoprocess.h"
#include "turtle/colours/colourTables.h"
#include "turtle/colours/colourValues.h"
#include "values/registration.h"
#include "values/tLogoInt.h"
#include "values/tListBuilder.h"
#include "values/tLogoList.h"
#include "values/tLogoRef.h"
#include "values/tLogoString.h"
#include "values/valuePools.h"

namespace {

using namespace controlProperty;

tlogoobject* primitiveWord(const char* key) { return NewWord(registrationNames(key).front()); }
tlogoobject* setterWord(int32_t property) { return NewWord(codeName(propertyNames(property).setterCode)); }
tlogoobject* getterWord(int32_t property) { return NewWord(codeName(propertyNames(property).getterCode)); }

tLogoList* listOf(std::initializer_list<tlogoobject*> elements)
{
    tListBuilder list;
    for (tlogoobject* element : elements) list.Append(element);
    return list.Take();
}

// Runs the line as a process with the picker as its current object.
void runAsPicker(tmultiobject& picker, const char* what, tLogoList* line)
{
    tProcessStart start;
    start.name = "@" + picker.name + what;
    start.code = line;
    start.startObject = &picker;
    start.openFrame = true;
    tLogoprocess::Start<tLogoprocess>(std::move(start));
}

// A name as a quoted word, so that the line hands it over as it is.
tlogoobject* quoted(const std::string& word) { return NewWord("\"" + word); }

// ask <controlled> [set<pen property> <value>]
void setControlledPens(tLogoControl& picker, int32_t property, tlogoobject* value)
{
    tlogoobject* controlled = picker.Controlled();
    if (controlled->IsEmpty()) return;
    if (controlled->IsWord()) controlled = quoted(controlled->WordText());
    runAsPicker(picker, "pen", listOf({primitiveWord("ask"), controlled, listOf({setterWord(property), value})}));
}

bool has(const std::vector<tEventKey>& events, tEventKey event)
{
    return std::find(events.begin(), events.end(), event) != events.end();
}

}  // namespace

void respondToPick(tLogoControlParams& control, const std::vector<tEventKey>& events)
{
    auto* picker = dynamic_cast<tLogoControl*>(control.Owner());
    if (!picker) return;
    const tSimpleControlState state = control.State();
    const bool picked = has(events, tEventKey::onChanged);
    switch (state.kind) {
    case tSimpleControlKind::kColourButton:
        if (picked) setControlledPens(*picker, kPenColour, colourToList(tColour::FromRgb(state.colour)));
        break;
    case tSimpleControlKind::kColourSlider:
        if (picked)
            setControlledPens(*picker, kPenColour, colourToList(kShadeRows[state.shadeRow].shades[state.value - 1]));
        break;
    case tSimpleControlKind::kWidthSwitch:
        if (picked) setControlledPens(*picker, kPenWidth, NewInteger(state.value));
        break;
    case tSimpleControlKind::kMelodyButton:
        if (has(events, tEventKey::onPush)) runAsPicker(*picker, "melody", listOf({primitiveWord("play"), getterWord(kValue)}));
        break;
    case tSimpleControlKind::kPageSwitch:
        if (picked) runAsPicker(*picker, "page", listOf({setterWord(kValue), quoted(state.shownPage)}));
        break;
    default: break;
    }
}
