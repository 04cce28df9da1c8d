#include "values/tLogoVarDesc.h"

#include "language/Language.h"
#include "values/tlogoobject.h"

tLogoVarDesc::tLogoVarDesc(uint32_t code, tlogoobject* value, uint8_t flags) : tTabDesc(code, flags)
{
    printable = 1;
    Store(value);
}

tLogoVarDesc::~tLogoVarDesc() { Release(value); }

std::string tLogoVarDesc::DefinitionText() { return value ? value->SourceText(1) : textMessage("novalue"); }

void tLogoVarDesc::Store(tlogoobject* newValue)
{
    // A pooled temporary goes back to its pool; the variable keeps a copy of its own.
    tHeldArgument held(newValue);
    if (newValue && newValue->pooled) {
        tlogoobject* copy = newValue->Clone();
        Assign(value, copy);
    } else {
        Assign(value, newValue);
    }
}

tlogoobjectdesc::tlogoobjectdesc(uint32_t code, tlogoobject* object, uint8_t flags) : tLogoVarDesc(code, object, flags)
{
    printable = 0;
}
