#include "turtle/colours/colourSettings.h"

#include "interpreter/tLogoLocaltab.h"
#include "interpreter/tProcessContext.h"
#include "language/Language.h"
#include "processes/processEnvironment.h"
#include "values/eLogoException.h"

namespace {

// As "thing" sees it: a process sees its procedures' variables and then the globals.
tlogoobject* variableValue(const char* name)
{
    uint32_t code = nameCode(name);
    if (tProcessContext* context = currentContext()) return context->localTable->FindValue(code);
    tLogoVarTab* globals = processEnvironment().globals;
    return globals ? globals->FindValue(code) : nullptr;
}

}  // namespace

tLogoRef<tlogoobject> anyColourSetting() { return variableValue("anycolour"); }

int32_t colourStyleSetting() { return integerSetting(variableValue("colourstyle"), 0); }

int32_t integerSetting(tlogoobject* value, int32_t fallback)
{
    if (!value || !value->IsNumber() || !value->IsInteger()) return fallback;
    try {
        return value->AsInteger();
    } catch (const eLogoException&) {
        return fallback;  // a whole number beyond 32 bits
    }
}
