#include "processes/tSyncEvent.h"

#include <chrono>
#include <condition_variable>
#include <mutex>

namespace {

// Never destroyed: process threads may still wait while the program exits.
std::mutex& monitor()
{
    static std::mutex* m = new std::mutex;
    return *m;
}

}  // namespace

tSyncEvent::tSyncEvent(Reset reset, bool signalled) : reset(reset), signalled(signalled) {}

void tSyncEvent::Set()
{
    std::lock_guard<std::mutex> hold(monitor());
    signalled = true;
    // Each waiter's own condition lives until it has left the list, which needs the monitor.
    for (std::condition_variable* waiter : waiters)
        waiter->notify_one();
}

void tSyncEvent::ResetEvent()
{
    std::lock_guard<std::mutex> hold(monitor());
    signalled = false;
}

bool tSyncEvent::IsSet() const
{
    return signalled.load(std::memory_order_acquire);
}

bool tSyncEvent::TryConsume()
{
    if (!signalled.load(std::memory_order_relaxed))
        return false;
    if (reset == kAutoReset)
        signalled = false;
    return true;
}

bool tSyncEvent::Wait(uint32_t milliseconds)
{
    return WaitForAny({this}, milliseconds) == 0;
}

int tSyncEvent::WaitForAny(std::initializer_list<tSyncEvent*> events, uint32_t milliseconds)
{
    std::unique_lock<std::mutex> hold(monitor());
    int found = kTimedOut;
    auto anySignalled = [&] {
        int index = 0;
        for (tSyncEvent* event : events) {
            if (event->TryConsume()) {
                found = index;
                return true;
            }
            ++index;
        }
        return false;
    };
    if (anySignalled() || milliseconds == 0)
        return found;
    std::condition_variable wake;
    for (tSyncEvent* event : events)
        event->waiters.push_back(&wake);
    if (milliseconds == kWaitForever)
        wake.wait(hold, anySignalled);
    else
        wake.wait_for(hold, std::chrono::milliseconds(milliseconds), anySignalled);
    for (tSyncEvent* event : events)
        std::erase(event->waiters, &wake);
    return found;
}
