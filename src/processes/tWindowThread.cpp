#include "processes/tWindowThread.h"

#include "processes/tInterpreterLock.h"
#include "processes/tSyncEvent.h"

#include <atomic>
#include <exception>

namespace {
std::atomic<tWindowThread*> installed{nullptr};
}

void tWindowThread::RunAndWait(std::function<void()> routine)
{
    tSyncEvent done(tSyncEvent::kManualReset, false);
    std::exception_ptr failure;
    Post([&] {
        try {
            routine();
        } catch (...) {
            failure = std::current_exception();
        }
        done.Set();
    });
    done.Wait();
    if (failure)
        std::rethrow_exception(failure);
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
