#include "interpreter/tProcessContext.h"

#include "interpreter/tLogoLocaltab.h"
#include "values/eLogoException.h"
#include "values/eTerminateException.h"
#include "values/valuePools.h"

namespace {
thread_local tProcessContext* threadContext = nullptr;
RunInterleaveHook interleaveHook = nullptr;
void (*activityHook)() = nullptr;
bool (*lockHeldCheck)() = nullptr;
}  // namespace

tProcessContext::tProcessContext(tLogoVarTab* globals, tlogoobject* currentObject, bool frameOpen)
    : localTable(std::make_unique<tLogoLocaltab>(globals, frameOpen)), currentObject(currentObject)
{
}

tProcessContext::~tProcessContext()
{
    // Bindings may hold values whose disposal reaches the pools: the stack goes first.
    stack.truncate(0);
}

void tProcessContext::PushAsk()
{
    if (askStack.size() >= kAskLimit) throw eLogoException(erDeepAsk);
    askStack.push_back({currentObject, privateTable, std::move(receivers)});
    privateTable = nullptr;
    receivers = nullptr;
}

void tProcessContext::PushAskInto(tlogoobject* object)
{
    PushAsk();
    currentObject = object;
}

void tProcessContext::PopAsk()
{
    if (askStack.empty()) throw eLogoException(erInternPopWho);
    tAskFrame& frame = askStack.back();
    currentObject = frame.currentObject;
    privateTable = frame.privateTable;
    receivers = std::move(frame.receivers);
    askStack.pop_back();
    // The object was destroyed while it was addressed: its process cannot go on.
    if (!currentObject && process) throw eTerminateException(0);
}

tProcessContext* currentContext() { return threadContext; }

tProcessContext& requireContext()
{
    if (!threadContext) throw eLogoException(erInternExecute);
    return *threadContext;
}

tContextScope::tContextScope(tProcessContext& context) : previous_(threadContext)
{
    threadContext = &context;
    setRunningLogoProcess(true);
}

tContextScope::~tContextScope()
{
    threadContext = previous_;
    setRunningLogoProcess(previous_ != nullptr);
}

void setRunInterleaveHook(RunInterleaveHook hook) { interleaveHook = hook; }
RunInterleaveHook runInterleaveHook() { return interleaveHook; }

void setLockHeldCheck(bool (*check)()) { lockHeldCheck = check; }
bool lockHeldByCaller() { return !lockHeldCheck || lockHeldCheck(); }

void setActivityFlagHook(void (*hook)()) { activityHook = hook; }
void raiseActivityFlag()
{
    if (activityHook) activityHook();
}
