#pragma once

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <initializer_list>
#include <vector>

// An event in the platform's sense: signalled or not. A manual-reset event stays signalled
// until it is reset; an auto-reset event lets exactly one waiter through and resets itself.
// Processes wait on several at once (a section or the stop signal), so one monitor guards all
// events; setting one wakes only the threads that wait on it.
class tSyncEvent {
public:
    enum Reset { kManualReset, kAutoReset };

    explicit tSyncEvent(Reset reset, bool signalled);
    tSyncEvent(const tSyncEvent&) = delete;
    tSyncEvent& operator=(const tSyncEvent&) = delete;

    void Set();
    void ResetEvent();
    bool IsSet() const;

    // Waits up to `milliseconds` (kWaitForever: no limit); true when the event was signalled.
    bool Wait(uint32_t milliseconds = kWaitForever);

    static constexpr uint32_t kWaitForever = 0xFFFFFFFFu;
    static constexpr int kTimedOut = -1;

    // Waits until one of the events is signalled and returns its index (the first signalled
    // one, consumed when it is an auto-reset event), or kTimedOut.
    static int WaitForAny(std::initializer_list<tSyncEvent*> events, uint32_t milliseconds = kWaitForever);

private:
    bool TryConsume();

    const Reset reset;
    // Changed only under the shared monitor; atomic so that IsSet needs no lock (it is asked
    // at every instruction-list run).
    std::atomic<bool> signalled;
    std::vector<std::condition_variable*> waiters;  // under the monitor
};
