#pragma once

#include "processes/tSyncEvent.h"
#include "processes/tWindowThread.h"

#include <deque>
#include <functional>
#include <mutex>
#include <thread>

// The window thread of the console and of tests: the thread that constructs it is the window
// thread, and routines handed to it wait in a queue until that thread drains it.
class tQueuedWindowThread : public tWindowThread {
public:
    tQueuedWindowThread();

    bool IsCurrent() const override;
    void Post(std::function<void()> routine) override;
    void WaitServing(tSyncEvent& event) override;

    // On the window thread: runs every routine queued so far; returns how many ran.
    int RunPending();

private:
    const std::thread::id owner;
    std::mutex queueGuard;
    std::deque<std::function<void()>> queue;
    tSyncEvent workQueued{tSyncEvent::kAutoReset, false};
};
