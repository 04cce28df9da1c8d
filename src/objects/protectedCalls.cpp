#include "objects/protectedCalls.h"

#include "interpreter/tProcessContext.h"
#include "processes/tWindowThread.h"
#include "values/objectContextHooks.h"

namespace {

void runProtected(void (*routine)(void* data), void* data)
{
    tProcessContext* caller = currentContext();
    if (onWindowThread() || !caller) {
        routine(data);
        return;
    }
    RunOnWindowThread([&] {
        tContextScope borrowed(*caller);
        routine(data);
    });
}

}  // namespace

void installProtectedCalls()
{
    tObjectContextHooks hooks = objectContextHooks();
    hooks.runProtected = &runProtected;
    setObjectContextHooks(hooks);
}
