#include "controls/controlKinds.h"

#include <algorithm>
#include <vector>

#include "controls/controlProperties.h"
#include "controls/pickerProperties.h"
#include "controls/tLogoControl.h"
#include "controls/toolButtonProperties.h"
#include "language/Language.h"
#include "mainobj/keyboard/keyMenuProperty.h"
#include "mainobj/tMainLogoObject.h"
#include "objects/objectList.h"
#include "objects/propertyOrder.h"
#include "values/tLogoRef.h"
#include "values/tLogoString.h"
#include "values/tLogoVarTab.h"
#include "values/tPseudoVarDesc.h"
#include "values/valuePools.h"

namespace {

struct tKindEntry {
    const char* key;  // of the "class" and "prefix" dictionary sections
    tSimpleControlKind kind;
    void (*declareOwnProperties)(tmultiobject& kindClass);
};

constexpr tKindEntry kKindRows[] = {
    {"textbox", tSimpleControlKind::kTextBox, &declareTextBoxProperties},
    {"button", tSimpleControlKind::kButton, &declareButtonProperties},
    {"switch", tSimpleControlKind::kSwitch, &declareSwitchProperties},
    {"slider", tSimpleControlKind::kSlider, &declareSliderProperties},
    {"toolbutton", tSimpleControlKind::kToolButton, &declareToolButtonProperties},
    {"separator", tSimpleControlKind::kSeparator, nullptr},
    {"colourbutton", tSimpleControlKind::kColourButton, &declareColourButtonProperties},
    {"colorslider", tSimpleControlKind::kColourSlider, &declareColourSliderProperties},
    {"widthswitch", tSimpleControlKind::kWidthSwitch, &declareWidthSwitchProperties},
    {"melodybutton", tSimpleControlKind::kMelodyButton, &declareMelodyButtonProperties},
    {"pageswitch", tSimpleControlKind::kPageSwitch, &declarePageSwitchProperties},
};

const tKindEntry& rowOf(tSimpleControlKind kind)
{
    return *std::find_if(std::begin(kKindRows), std::end(kKindRows), [kind](const tKindEntry& row) { return row.kind == kind; });
}

std::string firstWord(const std::string& words) { return words.substr(0, words.find(' ')); }

// The bounds of a slider come before its value, a colour slider's row before its shade, a
// tool button's group and allUp before its down state; where the control lies and whether it
// is shown are read while it is made.
const std::vector<int32_t> kHead{30, 31, 14, 32, 27, 25};
const std::vector<int32_t> kReadWhileMade{1, 4, 5, 6, 7, 10};

}  // namespace

tLogoFinalControlPrototype::tLogoFinalControlPrototype(tSimpleControlKind kind, const std::string& name)
    : tControlObject(nullptr, name, tmultiobject::kOnlyMain), kind(kind)
{
}

void tLogoFinalControlPrototype::SetUpTables()
{
    tControlObject::SetUpTables();
    declareControlPlacementProperties(*this);
    if (rowOf(kind).declareOwnProperties) rowOf(kind).declareOwnProperties(*this);
    declareKeyMenuProperty(*this);
    paramsToMove = propertyOrder(*this, kHead, kReadWhileMade);
}

void registerControlKinds()
{
    tMainLogoObject& main = mainLogoObject();
    for (const tKindEntry& row : kKindRows) {
        const std::string name = primaryWord("class", row.key);
        if (main.FindOwn(nameCode(name))) continue;
        tLogoRef<tLogoFinalControlPrototype> made(new tLogoFinalControlPrototype(row.kind, name));
        made->isPrototype = true;
        made->instanceClass = &tLogoControl::Make;
        made->SetUpTables();
        made->varTable->Define(nameCode(primaryWord("name", "namePrefix")), NewWord(firstWord(primaryWord("prefix", row.key))), 0);
        linkObject(made.get());
        main.Register(made.get());
    }
}

const tLogoFinalControlPrototype* controlKindClassOf(const tmultiobject& object)
{
    for (const tmultiobject* at = &object; at; at = at->FirstParent())
        if (auto* kindClass = dynamic_cast<const tLogoFinalControlPrototype*>(at)) return kindClass;
    return nullptr;
}
