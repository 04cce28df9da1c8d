#include "processes/tQueuedWindowThread.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <thread>

#include "windowThreadHandOver.h"

namespace {

class QueuedWindowThread : public ::testing::Test {
protected:
    void SetUp() override { installWindowThread(&window); }
    void TearDown() override { installWindowThread(nullptr); }

    tQueuedWindowThread window;
};

TEST_F(QueuedWindowThread, PostedRoutinesRunOnlyWhenTheWindowThreadDrainsTheQueue)
{
    std::thread::id ranOn;
    std::thread([&] { window.Post([&] { ranOn = std::this_thread::get_id(); }); }).join();
    EXPECT_EQ(ranOn, std::thread::id());
    EXPECT_EQ(window.RunPending(), 1);
    EXPECT_EQ(ranOn, std::this_thread::get_id());
    EXPECT_EQ(window.RunPending(), 0);
}

TEST_F(QueuedWindowThread, HandOverWaitsForTheWindowThreadAndCarriesItsFailureBack)
{
    expectHandOversRunOnTheWindowThread(window);
}

TEST_F(QueuedWindowThread, OnTheWindowThreadAHandOverRunsDirectly)
{
    bool ran = false;
    RunOnWindowThread([&] { ran = true; });
    EXPECT_TRUE(ran);
    EXPECT_EQ(window.RunPending(), 0);
}

TEST(WindowThread, WithoutOneInstalledEveryThreadRunsHandOversItself)
{
    std::thread::id ranOn;
    std::thread worker([&] { RunOnWindowThread([&] { ranOn = std::this_thread::get_id(); }); });
    std::thread::id workerId = worker.get_id();
    worker.join();
    EXPECT_EQ(ranOn, workerId);
}

}  // namespace
