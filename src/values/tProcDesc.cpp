#include "values/tProcDesc.h"

#include "values/eLogoException.h"

tProcDesc::tProcDesc(uint32_t code, int32_t inputs, uint8_t binding, bool variable)
    : tTabDesc(code, 0), inputs(inputs), variable(variable ? 1 : 0), binding(binding)
{
    SetCallEntries(&ExecuteEntry, this);
    method = {&UnsupportedMethodEntry, this};
    method2 = {&UnsupportedMethodEntry, this};
}

void tProcDesc::SetCallEntries(EntryRoutine routine, void* data)
{
    command = operation = tailCall = directCommand = directOperation = {routine, data};
}

void tProcDesc::Execute(tLogoStack&, int) { throw eLogoException(erInternExecute, tCulpritName{code}); }

void tProcDesc::ExecuteEntry(void* data, tLogoStack& stack, int n) { static_cast<tProcDesc*>(data)->Execute(stack, n); }

void tProcDesc::UnsupportedMethodEntry(void* data, tLogoStack&, int, tlogoobject*)
{
    throw eLogoException(erInternExecute, tCulpritName{static_cast<tProcDesc*>(data)->code});
}
