#include "values/tVariableProcDesc.h"

#include "values/eLogoException.h"
#include "values/objectContextHooks.h"
#include "values/tLogoRef.h"
#include "values/tLogoStack.h"

namespace {
// Counts a getter or setter as running for the duration of its call.
struct tRunningGuard {
    explicit tRunningGuard(int32_t& counter) : counter(counter) { ++counter; }
    ~tRunningGuard() { --counter; }
    int32_t& counter;
};
}  // namespace

tGetFunc::tGetFunc(uint32_t code, uint32_t variableCode) : tProcDesc(code, 0, 0), variableCode(variableCode) {}

void tGetFunc::Execute(tLogoStack& stack, int)
{
    tRunningGuard guard(running);
    auto read = objectContextHooks().readVariable;
    if (!read) throw eLogoException(erNoVal, tCulpritName{variableCode});
    stack.push(read(variableCode));
}

bool tGetFunc::IsAvailable(bool checkRunning) { return !(checkRunning && running > 0); }

tSetFunc::tSetFunc(uint32_t code, uint32_t variableCode) : tProcDesc(code, 1, 0), variableCode(variableCode) {}

void tSetFunc::Execute(tLogoStack& stack, int)
{
    tRunningGuard guard(running);
    auto value = tLogoRef<tlogoobject>::adopt(stack.popRaw());
    auto write = objectContextHooks().writeVariable;
    if (!write) throw eLogoException(erNoVal, tCulpritName{variableCode});
    write(variableCode, value.get());
    stack.push(nullptr);
}

bool tSetFunc::IsAvailable(bool checkRunning) { return !(checkRunning && running > 0); }
