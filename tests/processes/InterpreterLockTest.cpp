#include "processes/interpreterRelease.h"
#include "processes/tInterpreterLock.h"
#include "processes/tSyncEvent.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <chrono>
#include <numeric>
#include <thread>
#include <vector>

namespace {

tInterpreterLock& lock()
{
    return tInterpreterLock::Instance();
}

void waitUntil(const std::function<bool()>& condition)
{
    while (!condition())
        std::this_thread::sleep_for(std::chrono::microseconds(200));
}

// Ten threads interpret and yield at every pass, as processes do at every list run. Under a
// plain mutex the yielding thread usually takes the lock straight back; handed over fairly,
// every thread runs once per round, so no thread is ever more than one pass ahead.
TEST(InterpreterLock, YieldingThreadsTakeTurnsInArrivalOrder)
{
    constexpr int kThreads = 10;
    constexpr int kPasses = 500;
    std::array<int, kThreads> passes{};
    int worstSpread = 0;
    int inside = 0;
    bool overlapped = false;

    lock().Lock();
    std::vector<std::thread> threads;
    for (int i = 0; i < kThreads; ++i) {
        threads.emplace_back([&, i] {
            tInterpreterLock::Holder held;
            for (int pass = 0; pass < kPasses; ++pass) {
                overlapped |= ++inside != 1;
                ++passes[i];
                auto [least, most] = std::minmax_element(passes.begin(), passes.end());
                worstSpread = std::max(worstSpread, *most - *least);
                --inside;
                lock().Yield();
            }
        });
        waitUntil([&] { return lock().Waiting() == i + 1; });
    }
    lock().Unlock();
    for (auto& thread : threads)
        thread.join();

    EXPECT_FALSE(overlapped);
    EXPECT_LE(worstSpread, 1);
    for (int count : passes)
        EXPECT_EQ(count, kPasses);
}

// Threads that queue for the lock get it in the order they came, whatever order the
// scheduler would wake them in.
TEST(InterpreterLock, WaitersGetTheLockInArrivalOrder)
{
    constexpr int kThreads = 10;
    std::vector<int> order;

    lock().Lock();
    std::vector<std::thread> threads;
    for (int i = 0; i < kThreads; ++i) {
        threads.emplace_back([&, i] {
            tInterpreterLock::Holder held;
            order.push_back(i);
        });
        waitUntil([&] { return lock().Waiting() == i + 1; });
    }
    lock().Unlock();
    for (auto& thread : threads)
        thread.join();

    std::vector<int> arrival(kThreads);
    std::iota(arrival.begin(), arrival.end(), 0);
    EXPECT_EQ(order, arrival);
}

TEST(InterpreterLock, OnlyTheHoldingThreadHoldsIt)
{
    EXPECT_FALSE(lock().HeldByCaller());
    tInterpreterLock::Holder held;
    EXPECT_TRUE(lock().HeldByCaller());
    bool elsewhere = true;
    std::thread([&] { elsewhere = lock().HeldByCaller(); }).join();
    EXPECT_FALSE(elsewhere);
}

TEST(InterpreterLock, YieldWithoutWaitersKeepsTheLock)
{
    tInterpreterLock::Holder held;
    lock().Yield();
    EXPECT_TRUE(lock().HeldByCaller());
    EXPECT_EQ(lock().Waiting(), 0);
}

// Nested releases around blocking calls: only the outermost pair gives the lock up and
// takes it back, so another thread can interpret while the inner blocking call runs.
TEST(InterpreterLock, NestedReleasesGiveTheLockUpOnceAndTakeItBackAtTheEnd)
{
    tInterpreterLock::Holder held;
    {
        tInterpreterLock::Releaser outer;
        EXPECT_FALSE(lock().HeldByCaller());
        {
            tInterpreterLock::Releaser inner;
            EXPECT_EQ(interpreterReleaseDepth(), 2);
            bool otherGotIt = false;
            std::thread([&] {
                tInterpreterLock::Holder other;
                otherGotIt = lock().HeldByCaller();
            }).join();
            EXPECT_TRUE(otherGotIt);
        }
        EXPECT_FALSE(lock().HeldByCaller());
        EXPECT_EQ(interpreterReleaseDepth(), 1);
    }
    EXPECT_TRUE(lock().HeldByCaller());
    EXPECT_EQ(interpreterReleaseDepth(), 0);
}

// Giving up a lock held by another thread would let two threads interpret at once: a checked
// build stops there, a release build refuses quietly and the holder keeps it.
TEST(InterpreterLockDeathTest, ReleasingALockTheCallerDoesNotHoldIsRefused)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    tSyncEvent held(tSyncEvent::kManualReset, false);
    tSyncEvent done(tSyncEvent::kManualReset, false);
    std::thread holder([&] {
        tInterpreterLock::Holder hold;
        held.Set();
        done.Wait();
    });
    held.Wait();
    EXPECT_DEBUG_DEATH(lock().Unlock(), "interpreter lock not held");
    EXPECT_FALSE(lock().HeldByCaller());
    done.Set();
    holder.join();
}

}  // namespace
