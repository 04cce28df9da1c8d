#include "mainobj/system/systemPrimitives.h"

#include "language/Language.h"
#include "mainobj/primitiveTable.h"
#include "mainobj/tPrimitiveCall.h"
#include "values/eLogoException.h"
#include "values/tLogoBool.h"
#include "values/tLogoString.h"
#include "values/valuePools.h"

// Questions to the language dictionary and texts of the interface dictionary, so that Logo
// code (the start-up program above all) speaks the user's languages.

namespace {

tlogoobject* keywordp(tPrimitiveCall& call) { return NewBoolean(isWord(call.word(0), call.word(1), call.word(2))); }

// One input: a key of "strings"; two: a section and a key; three: that text as a format for the
// third input's text.
tlogoobject* translate(tPrimitiveCall& call)
{
    if (call.count() < 1) throw eLogoException(erNotEnoughInputs);
    if (call.count() > 3) throw eLogoException(erTooManyInputs);
    if (call.count() == 1) return NewLiteralWord(uiString("strings", call.word(0)));
    const std::string text = uiString(call.word(0), call.word(1));
    if (call.count() == 2) return NewLiteralWord(text);
    return NewLiteralWord(formatTemplate(text, {call[2]->PrintText(0)}));
}

constexpr tPrimitiveRow kDictionaryRows[] = {
    {".keyword?", 3, kFixedInputs, &keywordp},
    {".translate", 2, kVariableInputs, &translate},
};

}  // namespace

void registerDictionaryPrimitives(tLogoTab& table) { registerPrimitives(table, kDictionaryRows); }
