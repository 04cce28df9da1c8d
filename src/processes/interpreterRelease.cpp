#include "processes/interpreterRelease.h"

#include "processes/tInterpreterLock.h"

namespace {
thread_local int releaseDepth = 0;
}

void ReleaseInterpreter(bool waitForRun)
{
    if (releaseDepth-- == 0)
        tInterpreterLock::Instance().Unlock();
}

void RetakeInterpreter(bool checkStop)
{
    if (++releaseDepth == 0)
        tInterpreterLock::Instance().Lock();
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
