#include "values/tSpecialProcDesc.h"

#include "values/eOutputException.h"
#include "values/tLogoRef.h"
#include "values/tLogoStack.h"

tOutput::tOutput(uint32_t code) : tProcDesc(code, 1, 1) { special = kOutputProc; }

void tOutput::Execute(tLogoStack& stack, int)
{
    auto value = tLogoRef<tlogoobject>::adopt(stack.popRaw());
    throw eOutputException(value.get());
}

tStop::tStop(uint32_t code) : tProcDesc(code, 0, 0) { special = kStopProc; }

void tStop::Execute(tLogoStack&, int) { throw eOutputException(nullptr); }
