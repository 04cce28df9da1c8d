#include "processes/interpreterRelease.h"

#include "interpreter/tProcessContext.h"
#include "processes/processEnvironment.h"
#include "processes/tInterpreterLock.h"
#include "processes/tLogoprocess.h"
#include "values/eTerminateException.h"
#include "values/valuePools.h"

namespace {
thread_local int releaseDepth = 0;
}

void ReleaseInterpreter(bool waitForRun)
{
    if (releaseDepth-- == 0)
        tInterpreterLock::Instance().Unlock();
    tLogoprocess* process = tLogoprocess::Current();
    if (waitForRun && process != nullptr)
        process->runSignal.Wait();
}

void RetakeInterpreter(bool checkStop)
{
    if (++releaseDepth == 0)
        tInterpreterLock::Instance().Lock();
    tLogoprocess* process = tLogoprocess::Current();
    if (checkStop && process != nullptr && process->StopRequested())
        throw eTerminateException();
}

int interpreterReleaseDepth()
{
    return -releaseDepth;
}

tInterpreterLock::Releaser::Releaser(bool waitForRun)
{
    ReleaseInterpreter(waitForRun);
}

tInterpreterLock::Releaser::~Releaser()
{
    RetakeInterpreter(false);
}

void installRunInterleaving()
{
    setRunInterleaveHook([](tProcessContext& context) {
        if (auto* process = static_cast<tLogoprocess*>(context.process))
            process->YieldAtListRun();
        else if (tInterpreterLock::Instance().HeldByCaller())
            tInterpreterLock::Instance().Yield();
    });
    setActivityFlagHook(raiseActivity);
}

void installInterpreterLockCheck()
{
    auto heldByCaller = [] { return tInterpreterLock::Instance().HeldByCaller(); };
    setLockHeldCheck(heldByCaller);
    setInterpreterLockCheck(heldByCaller);
}
