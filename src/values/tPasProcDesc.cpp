#include "values/tPasProcDesc.h"

#include "values/eLogoException.h"

tPasProcRoot::tPasProcRoot(uint32_t code, uint8_t binding, int32_t furtherInputs)
    : tProcDesc(code, furtherInputs, binding)
{
    SetCallEntries(&OutsideDispatchEntry, this);
    method = {&MethodEntry, this};
    method2 = {&MethodEntry, this};
}

void tPasProcRoot::OutsideDispatchEntry(void* self, tLogoStack&, int)
{
    throw eLogoException(erInternExecuteF, tCulpritName{static_cast<tPasProcRoot*>(self)->code});
}

void tPasProcRoot::MethodEntry(void* self, tLogoStack& stack, int n, tlogoobject* receiver)
{
    static_cast<tPasProcRoot*>(self)->ExecuteOn(stack, n, receiver);
}
