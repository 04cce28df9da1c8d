#include "processes/tSyncEvent.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>
#include <vector>

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

TEST(SyncEvent, AutoResetLetsOneOfSeveralWaitersThroughPerSet)
{
    tSyncEvent section(tSyncEvent::kAutoReset, false);
    std::atomic<int> through{0};
    std::vector<std::thread> waiters;
    for (int i = 0; i < 3; ++i)
        waiters.emplace_back([&] {
            section.Wait();
            ++through;
        });
    for (int expected = 1; expected <= 3; ++expected) {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        EXPECT_EQ(through, expected - 1);
        section.Set();
        auto deadline = Clock::now() + std::chrono::seconds(5);
        while (through < expected && Clock::now() < deadline)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        EXPECT_EQ(through, expected);
    }
    for (auto& waiter : waiters)
        waiter.join();
    EXPECT_FALSE(section.IsSet());
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
