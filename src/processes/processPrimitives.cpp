#include "processes/processPrimitives.h"

#include "interpreter/Evaluator.h"
#include "interpreter/tLogoLocaltab.h"
#include "interpreter/tProcessContext.h"
#include "language/Language.h"
#include "processes/processEnvironment.h"
#include "processes/tLogoCriticalSection.h"
#include "processes/tLogouserProcess.h"
#include "processes/tWindowThread.h"
#include "processes/tallthreads.h"
#include "values/eLogoException.h"
#include "values/eTerminateException.h"
#include "values/registration.h"
#include "values/tLogoString.h"
#include "values/tMainPasProcDesc.h"
#include "values/valuePools.h"

#include <mutex>
#include <vector>

namespace {

// How a process-starting primitive reads its inputs (the interval for "every" and "after", the
// code, then an optional name) and which process it starts. It is the primitive's data.
struct tStarter {
    const char* key;
    tInprocType kind;
    bool hasInterval;
    void (*start)(tProcessStart start, tlogoobject* nameValue, uint32_t interval);
};

template <class Process>
void startOnce(tProcessStart start, tlogoobject* nameValue, uint32_t)
{
    tLogoprocess::Start<Process>(std::move(start), tLogoRef<tlogoobject>(nameValue));
}

template <class Process>
void startTimed(tProcessStart start, tlogoobject* nameValue, uint32_t interval)
{
    tLogoprocess::Start<Process>(std::move(start), tLogoRef<tlogoobject>(nameValue), interval);
}

const tStarter kStarters[] = {
    {"launch", ipLaunch, false, &startOnce<tLogouserProcess>},
    {"forever", ipForever, false, &startOnce<tLogoForeverProcess>},
    {"every", ipEvery, true, &startTimed<tLogoEveryProcess>},
    {"after", ipAfter, true, &startTimed<tLogoAfterProcess>},
};

// The new process sees what its starter sees: a copy of its local variables as they are now,
// its private procedures, its receivers, its current object, and reports through its commander.
tProcessStart inheritedStart(std::string name, tInprocType kind, tlogoobject* code)
{
    tProcessStart start;
    start.name = std::move(name);
    start.kind = kind;
    start.code = code;
    if (tProcessContext* context = currentContext()) {
        start.localTable = tLogoLocaltab::Snapshot(*context->localTable, context->localTable->globals);
        start.privateTable = context->privateTable;
        start.receivers = context->receivers;
        start.startObject = context->currentObject;
    }
    if (tLogoprocess* starter = tLogoprocess::Current())
        start.commander = starter->SharedCommander();
    return start;
}

tlogoobject* startUserProcess(void* data, tLogoStack& stack, int n)
{
    const tStarter& starter = *static_cast<const tStarter*>(data);
    const int least = starter.hasInterval ? 2 : 1;
    if (n < least)
        throw eLogoException(erNotEnoughInputs, tNeedingProcedureText{primaryName(starter.key)});
    if (n > least + 1)
        throw eLogoException(erTooManyInputs, tNeedingProcedureText{primaryName(starter.key)});

    std::vector<tLogoRef<tlogoobject>> inputs(n);
    for (int i = n - 1; i >= 0; --i)
        inputs[i] = tLogoRef<tlogoobject>::adopt(stack.popRaw());

    tlogoobject* nameValue = inputs.back().get();
    std::string name = nameValue->PrintText(0);
    if (name.empty() || name.front() == '@')  // "@" marks the names of system processes
        throw eLogoException(erBadValue, nameValue);
    tlogoobject* code = inputs[least - 1].get();
    uint32_t interval = starter.hasInterval ? elapseToMilliseconds(inputs[0]->AsInteger()) : 0;
    starter.start(inheritedStart(std::move(name), starter.kind, code), nameValue, interval);
    return nullptr;
}

[[noreturn]] void endCallingProcess()
{
    throw eTerminateException();
}

tlogoobject* cancel(void*, tlogoobject* name)
{
    if (tallthreads::Instance().StopByName(name->PrintText(0)))
        endCallingProcess();
    return nullptr;
}

tlogoobject* stopme(void*)
{
    endCallingProcess();
}

tlogoobject* stopall(void*)
{
    tallthreads::Instance().StopAll();
    endCallingProcess();
}

bool done(void*, tlogoobject* name)
{
    return !tallthreads::Instance().Exists(name->PrintText(0));
}

tlogoobject* pauseall(void*)
{
    tallthreads::Instance().PauseAll();
    return nullptr;
}

tlogoobject* resumeall(void*)
{
    tallthreads::Instance().ResumeAll();
    return nullptr;
}

tlogoobject* allprocesses(void*)
{
    return tallthreads::Instance().Names();
}

tlogoobject* processname(void*)
{
    tLogoprocess* process = tLogoprocess::Current();
    return NewWord(process != nullptr ? process->Name() : std::string());
}

tlogoobject* runcritical(void*, tLogoStack& stack, int n, int asOperation)
{
    tLogoRef<tlogoobject> code = tLogoRef<tlogoobject>::adopt(stack.popRaw());
    tLogoRef<tlogoobject> sectionName = tLogoRef<tlogoobject>::adopt(stack.popRaw());
    tLogoCriticalSection& section = tLogoCriticalSection::Named(sectionName->PrintText(0));
    section.Enter(tLogoprocess::Current());
    struct tLeaving {
        tLogoCriticalSection& section;
        ~tLeaving() { section.Leave(); }
    } leaving{section};
    tCompiledForm& form = CompiledForm(code.get(), 0);
    if (asOperation) {
        // Handed out uncounted: the descriptor counts it up when it pushes it.
        tlogoobject* value = EvaluateList(form).release();
        Unhold(value);
        return value;
    }
    RunList(form);
    return nullptr;
}

std::mutex closerGuard;
std::function<void()> mainWindowCloser;
bool byeInProgress = false;

tlogoobject* bye(void*, tLogoStack& stack, int n)
{
    if (n > 1)
        throw eLogoException(erTooManyInputs, tNeedingProcedureText{primaryName("bye")});
    stack.dropN(n);
    std::function<void()> closer;
    {
        std::lock_guard<std::mutex> hold(closerGuard);
        if (byeInProgress)
            endCallingProcess();
        byeInProgress = true;
        closer = mainWindowCloser;
    }
    struct tFinished {
        ~tFinished()
        {
            std::lock_guard<std::mutex> hold(closerGuard);
            byeInProgress = false;
        }
    } finished;
    // Closing the window can run Logo code that waits for processes: the lock must be free.
    if (closer)
        RunOnWindowThread(closer, tHandOver::kReleaseInterpreter);
    return nullptr;
}

}  // namespace

void setMainWindowCloser(std::function<void()> closer)
{
    std::lock_guard<std::mutex> hold(closerGuard);
    mainWindowCloser = std::move(closer);
}

void waitInProcess(int32_t duration)
{
    tLogoprocess* process = tLogoprocess::Current();
    if (process == nullptr)
        throw eLogoException(erInternWait0);
    process->WaitOnStop(elapseToMilliseconds(duration));
}

void registerProcessPrimitives(tLogoTab& table)
{
    for (const tStarter& starter : kStarters) {
        int32_t inputs = starter.hasInterval ? 2 : 1;
        RegisterByKey<tMainPasProcDesc>(table, starter.key, uint8_t{1}, inputs, &startUserProcess,
                                        const_cast<tStarter*>(&starter));
    }
    RegisterByKey<tMainPasProcDesc>(table, "bye", uint8_t{1}, int32_t{0}, &bye);

    struct tCommandRow {
        const char* key;
        tMainPasProcDesc0p::Routine routine;
    };
    for (const tCommandRow& row : {tCommandRow{"stopme", stopme}, tCommandRow{"stopall", stopall},
                                   tCommandRow{"pauseall", pauseall}, tCommandRow{"resumeall", resumeall},
                                   tCommandRow{"allprocesses", allprocesses}, tCommandRow{"processname", processname}})
        RegisterByKey<tMainPasProcDesc0p>(table, row.key, uint8_t{1}, row.routine);

    RegisterByKey<tMainPasProcDesc1p>(table, "cancel", uint8_t{1}, &cancel);
    RegisterByKey<tMainPasProcDesc1b>(table, "done?", uint8_t{1}, &done);
    RegisterByKey<tMainPasProcDescBF>(table, "runcritical", uint8_t{1}, int32_t{2}, &runcritical);
}
