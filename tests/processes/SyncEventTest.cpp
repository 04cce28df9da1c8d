#include "processes/tSyncEvent.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;

TEST(SyncEvent, ManualResetStaysSignalledUntilReset)
{
    tSyncEvent event(tSyncEvent::kManualReset, false);
    EXPECT_FALSE(event.Wait(0));
    event.Set();
    EXPECT_TRUE(event.Wait(0));
    EXPECT_TRUE(event.Wait(0));
    event.ResetEvent();
    EXPECT_FALSE(event.IsSet());
    EXPECT_FALSE(event.Wait(0));
}

TEST(SyncEvent, AutoResetLetsOneWaiterThrough)
{
    tSyncEvent event(tSyncEvent::kAutoReset, true);
    EXPECT_TRUE(event.Wait(0));
    EXPECT_FALSE(event.Wait(0));
    EXPECT_FALSE(event.IsSet());
}

TEST(SyncEvent, TimedWaitEndsAfterItsTime)
{
    tSyncEvent event(tSyncEvent::kManualReset, false);
    auto start = Clock::now();
    EXPECT_FALSE(event.Wait(30));
    EXPECT_GE(Clock::now() - start, std::chrono::milliseconds(30));
}

TEST(SyncEvent, WaitForAnyReportsTheSignalledEventAndConsumesOnlyIt)
{
    tSyncEvent section(tSyncEvent::kAutoReset, false);
    tSyncEvent stop(tSyncEvent::kManualReset, false);
    std::thread setter([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        stop.Set();
    });
    EXPECT_EQ(tSyncEvent::WaitForAny({&section, &stop}), 1);
    setter.join();

    section.Set();
    EXPECT_EQ(tSyncEvent::WaitForAny({&section, &stop}, 0), 0);
    EXPECT_FALSE(section.IsSet());
    EXPECT_TRUE(stop.IsSet());
    stop.ResetEvent();
    EXPECT_EQ(tSyncEvent::WaitForAny({&section, &stop}, 10), tSyncEvent::kTimedOut);
}

}  // namespace
