#include "processes/interpreterRelease.h"
#include "processes/tInterpreterLock.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <chrono>
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

// Taking and releasing in a tight loop (no yield call): the releasing thread queues behind
// the others, so all of them get through the same number of turns in the same time.
TEST(InterpreterLock, ThreadsRelockingInATightLoopAllMakeProgress)
{
    constexpr int kThreads = 10;
    std::array<std::atomic<int>, kThreads> turns{};
    std::atomic<bool> stop{false};
    std::atomic<int> started{0};

    std::vector<std::thread> threads;
    for (int i = 0; i < kThreads; ++i) {
        threads.emplace_back([&, i] {
            ++started;
            while (!stop.load()) {
                lock().Lock();
                turns[i].fetch_add(1, std::memory_order_relaxed);
                lock().Unlock();
            }
        });
    }
    waitUntil([&] { return started.load() == kThreads; });
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    stop = true;
    for (auto& thread : threads)
        thread.join();

    int most = 0;
    int least = turns[0].load();
    for (auto& count : turns) {
        most = std::max(most, count.load());
        least = std::min(least, count.load());
    }
    EXPECT_GT(least, 0);
    EXPECT_GE(least * 4, most) << "one thread got far fewer turns than another";
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

}  // namespace
