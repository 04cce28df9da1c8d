#include "processes/tInterpreterLock.h"

#include <cassert>

namespace {
thread_local bool holdsInterpreter = false;
}

tInterpreterLock& tInterpreterLock::Instance()
{
    // Never destroyed: process threads may still use it while the program exits.
    static tInterpreterLock* lock = new tInterpreterLock;
    return *lock;
}

void tInterpreterLock::Lock()
{
    std::unique_lock<std::mutex> hold(guard);
    if (!locked && queue.empty())
        locked = true;
    else
        WaitInQueue(hold);
    holdsInterpreter = true;
}

void tInterpreterLock::Unlock()
{
    assertInterpreterHeld();
    if (!holdsInterpreter)
        return;  // handing on a lock someone else holds would let two threads interpret
    holdsInterpreter = false;
    std::lock_guard<std::mutex> hold(guard);
    if (queue.empty())
        locked = false;
    else
        HandToFirstWaiter();
}

void tInterpreterLock::Yield()
{
    if (!HasWaiters())
        return;
    assertInterpreterHeld();
    // Queueing up and handing over in one step: were the yielder to queue only after the
    // hand-over, the thread it let in could yield and queue before it, and overtake it.
    std::unique_lock<std::mutex> hold(guard);
    if (queue.empty())
        return;
    HandToFirstWaiter();
    WaitInQueue(hold);
}

void tInterpreterLock::WaitInQueue(std::unique_lock<std::mutex>& hold)
{
    Waiter self;
    queue.push_back(&self);
    waiting.fetch_add(1, std::memory_order_relaxed);
    self.granted.wait(hold, [&self] { return self.isGranted; });
}

void tInterpreterLock::HandToFirstWaiter()
{
    // The lock passes straight to the first waiter and stays taken. The waiter lives on its
    // own stack until it wakes, so it is signalled while the guard is still held.
    Waiter* next = queue.front();
    queue.pop_front();
    waiting.fetch_sub(1, std::memory_order_relaxed);
    next->isGranted = true;
    next->granted.notify_one();
}

bool tInterpreterLock::HeldByCaller() const
{
    return holdsInterpreter;
}

void assertInterpreterHeld()
{
    assert(tInterpreterLock::Instance().HeldByCaller() && "interpreter lock not held");
}
