#pragma once

#include <gtest/gtest.h>

#include <stdexcept>
#include <thread>

#include "processes/tSyncEvent.h"
#include "processes/tWindowThread.h"

// The hand-over contract every window thread keeps: a routine handed over from another thread
// runs on the window thread while it waits, and a failure inside comes back to the caller.
inline void expectHandOversRunOnTheWindowThread(tWindowThread& window)
{
    tSyncEvent done(tSyncEvent::kManualReset, false);
    std::thread::id ranOn;
    bool failureSeen = false;
    std::thread worker([&] {
        EXPECT_FALSE(onWindowThread());
        RunOnWindowThread([&] { ranOn = std::this_thread::get_id(); });
        try {
            RunOnWindowThread([] { throw std::runtime_error("refused"); });
        } catch (const std::runtime_error&) {
            failureSeen = true;
        }
        done.Set();
    });
    window.WaitServing(done);
    worker.join();
    EXPECT_EQ(ranOn, std::this_thread::get_id());
    EXPECT_TRUE(failureSeen);
}
