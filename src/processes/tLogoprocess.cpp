#include "processes/tLogoprocess.h"

#include "interpreter/Evaluator.h"
#include "interpreter/tLogoLocaltab.h"
#include "interpreter/tProcessContext.h"
#include "language/Language.h"
#include "processes/interpreterRelease.h"
#include "processes/processEnvironment.h"
#include "processes/tInterpreterLock.h"
#include "processes/tProcessThread.h"
#include "processes/tWindowThread.h"
#include "processes/tallthreads.h"
#include "processes/programClosing.h"
#include "values/eLogoException.h"
#include "values/eTerminateException.h"

#include <thread>
#include <vector>

namespace {

thread_local tLogoprocess* currentProcess = nullptr;

struct tEndHooks {
    std::mutex guard;
    std::vector<tProcessEndHook> hooks;
};

// Never destroyed: process threads may still end while the program exits.
tEndHooks& endHooks()
{
    static tEndHooks* hooks = new tEndHooks;
    return *hooks;
}

void runEndHooks(tLogoprocess& process)
{
    std::vector<tProcessEndHook> hooks;
    {
        std::lock_guard<std::mutex> hold(endHooks().guard);
        hooks = endHooks().hooks;
    }
    for (tProcessEndHook hook : hooks) {
        try {
            hook(process);
        } catch (...) {
            // Giving a resource back must not keep the process from ending.
        }
    }
}

}  // namespace

void addProcessEndHook(tProcessEndHook hook)
{
    std::lock_guard<std::mutex> hold(endHooks().guard);
    endHooks().hooks.push_back(hook);
}

tLogoprocess::tLogoprocess(tProcessStart start)
    : name(std::move(start.name)),
      kind(start.kind),
      trigger(start.trigger),
      code(std::move(start.code)),
      startObject(std::move(start.startObject)),
      receivers(std::move(start.receivers)),
      privateTable(start.privateTable),
      commander(start.commander ? std::move(start.commander) : defaultCommander()),
      inStartup(startupInProgress()),
      openFrame(start.openFrame),
      startLocals(std::move(start.localTable)),
      completion(std::move(start.completion))
{
}

tLogoprocess::~tLogoprocess() = default;

tLogoprocess* tLogoprocess::Current()
{
    return currentProcess;
}

void tLogoprocess::Launch()
{
    tallthreads::Instance().Register(shared_from_this());
    try {
        startProcessThread([self = shared_from_this()] { self->Execute(); });
    } catch (...) {
        tallthreads::Instance().Unregister(this);
        throw;
    }
}

void tLogoprocess::Execute()
{
    currentProcess = this;
    tInterpreterLock::Instance().Lock();
    try {
        Work();
    } catch (...) {
        // Only setting the context up can fail here (out of memory); the process just ends.
    }
    // Logo values are counted under the interpreter lock, so they are let go before it is.
    code = nullptr;
    receivers = nullptr;
    startObject = nullptr;
    startLocals = nullptr;
    ReleaseLogoValues();
    tallthreads::Instance().Unregister(this);
    runEndHooks(*this);
    finished.store(true, std::memory_order_release);
    RunCompletion();
    tInterpreterLock::Instance().Unlock();
    currentProcess = nullptr;
    endedSignal.Set();
}

void tLogoprocess::Work()
{
    tProcessEnvironment environment = processEnvironment();
    tProcessContext state(environment.globals, environment.mainObject, openFrame);
    if (startLocals)
        state.localTable = std::move(startLocals);
    if (startObject)
        state.currentObject = startObject.get();
    state.privateTable = privateTable;
    state.receivers = receivers;
    state.askStack.reserve(100);
    state.process = this;
    state.markActivity = !inStartup;
    tContextScope scope(state);
    context = &state;
    running.store(true, std::memory_order_release);
    while (!StopRequested())
        GuardedRun();
    context = nullptr;
}

void tLogoprocess::RunOnce()
{
    RunCode();
    RequestStop();
}

void tLogoprocess::RunCode()
{
    if (!code)
        return;  // a process given nothing to run just ends
    RunList(CompiledForm(code.get(), 0));
    FinishTopLevelRun(*context);
}

tlogoobject* tLogoprocess::CurrentObject() const
{
    return context != nullptr ? context->currentObject : startObject.get();
}

void tLogoprocess::GuardedRun()
{
    try {
        RunOnce();
    } catch (const eTerminateException&) {
        stoppedSignal.Set();
        RequestStop();
    } catch (eLogoException& error) {
        RequestStop();
        NameTheProcessIn(error);
        Report(error);
    } catch (const std::exception& error) {
        RequestStop();
        Report(error);
    } catch (...) {
        RequestStop();
        Report(eLogoException(erUnexpected));
    }
}

void tLogoprocess::NameTheProcessIn(eLogoException& error) const
{
    // Unless a procedure already said where the error happened, it happened in this process:
    // in the event of its object, or for other kinds in the process of that name.
    if (!error.procedureName.empty() || error.contextKind != ipNone)
        return;
    error.procedureName = kind == ipEvent && trigger != 0 ? codeName(trigger) : name;
    error.owner = startObject.get();
    error.contextKind = kind;
}

void tLogoprocess::Report(const std::exception& error)
{
    if (!commander)
        return;
    commander->Abort();
    commander->ShowError(error);
}

void tLogoprocess::RunCompletion()
{
    std::function<void()> routine;
    {
        std::lock_guard<std::mutex> hold(completionGuard);
        routine = std::move(completion.routine);
        completion = {};
    }
    if (!routine || programClosing())
        return;
    try {
        // The routine runs while this thread still holds the interpreter lock on its behalf.
        RunOnWindowThread(routine);
    } catch (...) {
        // A failing completion routine must not keep the process from ending.
    }
}

bool tLogoprocess::ForgetCompletion(const std::function<bool(const void*)>& worksOn)
{
    std::lock_guard<std::mutex> hold(completionGuard);
    if (!completion.routine || completion.data == nullptr || !worksOn(completion.data))
        return false;
    completion = {};
    return true;
}

void tLogoprocess::Stop()
{
    RequestStop();
    stopSignal.Set();
    runSignal.Set();
}

void tLogoprocess::StopAndWait()
{
    Stop();
    WaitUntilStopped();
}

void tLogoprocess::ForgetStop()
{
    stopRequested.store(false, std::memory_order_release);
    stopSignal.ResetEvent();
    stoppedSignal.ResetEvent();
}

void tLogoprocess::WaitForEnd()
{
    WaitFor(endedSignal);
}

void tLogoprocess::WaitFor(tSyncEvent& event)
{
    if (this == currentProcess)
        return;  // a process cannot wait for itself: waiting would never end
    tWindowThread* window = windowThread();
    if (window != nullptr && window->IsCurrent()) {
        window->WaitServing(event);
    } else if (tInterpreterLock::Instance().HeldByCaller()) {
        tInterpreterLock::Releaser released;
        event.Wait();
    } else {
        event.Wait();
    }
}

void tLogoprocess::AwaitAsHandler()
{
    tLogoprocess* caller = currentProcess;
    if (caller == nullptr) {
        WaitForEnd();
        return;
    }
    if (caller == this)
        return;
    ReleaseInterpreter(false);
    tSyncEvent::WaitForAny({&caller->stopSignal, &endedSignal});
    RetakeInterpreter(true);
}

void tLogoprocess::YieldAtListRun()
{
    auto free = [this] { return runSignal.IsSet() && !StopRequested(); };
    if (free()) {
        tInterpreterLock::Instance().Yield();
        if (free())  // a pause or stop may have come while others ran
            return;
    }
    ReleaseInterpreter(true);
    RetakeInterpreter(true);
}

void tLogoprocess::WaitOnStop(uint32_t milliseconds)
{
    ReleaseInterpreter(false);
    bool stopped = stopSignal.Wait(milliseconds);
    RetakeInterpreter(false);
    if (stopped)
        throw eTerminateException();
}
