#pragma once

#include <atomic>
#include <condition_variable>
#include <deque>
#include <mutex>

// The one process-wide lock under which Logo code runs. Values, reference counts, tables and
// the evaluator state have no locks of their own; holding this is what makes them safe.
//
// Processes give it up at yield points (every instruction-list run, waits, blocking calls)
// while others wait for it. A plain mutex lets the releasing thread take it straight back and
// starves the others, so this lock hands itself to the longest waiter (FIFO hand-off).
// It is not re-entrant: nested releases around blocking calls are counted per thread by
// ReleaseInterpreter/RetakeInterpreter (interpreterRelease.h).
class tInterpreterLock {
public:
    static tInterpreterLock& Instance();

    void Lock();
    void Unlock();
    bool HeldByCaller() const;
    int Waiting() const { return waiting.load(std::memory_order_relaxed); }
    bool HasWaiters() const { return Waiting() > 0; }

    // Lets the longest waiter run before the caller goes on; nothing when nobody waits.
    void Yield();

    // Holds the lock for a scope (a thread that starts interpreting).
    class Holder {
    public:
        Holder() { tInterpreterLock::Instance().Lock(); }
        ~Holder() { tInterpreterLock::Instance().Unlock(); }
        Holder(const Holder&) = delete;
        Holder& operator=(const Holder&) = delete;
    };

    // Gives the lock up around a blocking call and takes it back afterwards, nesting through
    // the caller's release depth. Taking it back never raises: a stop request is noticed at
    // the next yield point.
    class Releaser {
    public:
        explicit Releaser(bool waitForRun = false);
        ~Releaser();
        Releaser(const Releaser&) = delete;
        Releaser& operator=(const Releaser&) = delete;
    };

private:
    tInterpreterLock() = default;

    struct Waiter {
        std::condition_variable granted;
        bool isGranted = false;
    };

    void WaitInQueue(std::unique_lock<std::mutex>& hold);
    void HandToFirstWaiter();

    std::mutex guard;
    bool locked = false;
    std::deque<Waiter*> queue;
    std::atomic<int> waiting{0};
};

// A checked (debug) build stops here when the calling thread does not hold the interpreter
// lock; a release build does nothing.
void assertInterpreterHeld();
