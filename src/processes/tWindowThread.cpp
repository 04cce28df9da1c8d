#include "processes/tWindowThread.h"

#include "processes/tInterpreterLock.h"

#include <atomic>

namespace {
std::atomic<tWindowThread*> installed{nullptr};
}

void installWindowThread(tWindowThread* windowThread)
{
    installed.store(windowThread, std::memory_order_release);
}

tWindowThread* windowThread()
{
    return installed.load(std::memory_order_acquire);
}

bool onWindowThread()
{
    tWindowThread* current = windowThread();
    return current == nullptr || current->IsCurrent();
}

void RunOnWindowThread(const std::function<void()>& routine, tHandOver mode)
{
    tWindowThread* current = windowThread();
    if (current == nullptr || current->IsCurrent()) {
        routine();
        return;
    }
    if (mode == tHandOver::kReleaseInterpreter && tInterpreterLock::Instance().HeldByCaller()) {
        tInterpreterLock::Releaser released;
        current->RunAndWait(routine);
    } else {
        current->RunAndWait(routine);
    }
}
