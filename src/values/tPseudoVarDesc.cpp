#include "values/tPseudoVarDesc.h"

#include "values/eLogoException.h"
#include "values/objectContextHooks.h"

tPseudoVarDesc::tPseudoVarDesc(uint32_t code, tProcDesc* getter, tProcDesc* setter, tlogoobject* object,
                               uint8_t kind, uint8_t flags)
    : tLogoVarDesc(code, nullptr, flags), getter(getter), setter(setter), object(object), kind(kind)
{
}

tlogoobject* tPseudoVarDesc::Value()
{
    auto read = objectContextHooks().readProperty;
    if (!read) throw eLogoException(erNoVal, tCulpritName{code});
    return read(*this);
}

void tPseudoVarDesc::Store(tlogoobject* newValue)
{
    tHeldArgument held(newValue);
    auto write = objectContextHooks().writeProperty;
    if (!write) throw eLogoException(erNoVal, tCulpritName{code});
    write(*this, newValue);
    flags = static_cast<uint8_t>(flags & ~kNotSavedUntilSet);
}

tPseudoVarPrototype::tPseudoVarPrototype(uint32_t code, tProcDesc* getter, tProcDesc* setter, uint8_t kind)
    : tLogoVarDesc(code, nullptr, 0), getter(getter), setter(setter), kind(kind)
{
}
