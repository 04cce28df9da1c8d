#include "turtle/colours/ColourPrimitives.h"

#include "mainobj/primitiveTable.h"
#include "mainobj/tMainLogoObject.h"
#include "mainobj/tPrimitiveCall.h"
#include "turtle/colours/colourNames.h"
#include "turtle/colours/colourValues.h"
#include "values/tListBuilder.h"
#include "values/tLogoString.h"
#include "values/valuePools.h"

namespace {

tlogoobject* zembrixcolours(tPrimitiveCall&)
{
    tListBuilder list;
    for (const std::string& name : colourNameList()) list.Append(NewWord(name));
    return list.Take();
}

tlogoobject* torgb(tPrimitiveCall& call) { return colourToList(tColour::FromRgb(call[0]->AsColor())); }

const tPrimitiveRow kColourRows[] = {
    {"zembrixcolours", 0, kFixedInputs, &zembrixcolours},
    {"torgb", 1, kFixedInputs, &torgb},
};

}  // namespace

void registerColourPrimitives(tLogoTab& table) { registerPrimitives(table, kColourRows); }

void startColours()
{
    installColourConverter();
    registerColourPrimitives(*mainLogoObject().procTable);
}
