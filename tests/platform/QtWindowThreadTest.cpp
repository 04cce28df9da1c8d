#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QGuiApplication>

#include <memory>
#include <stdexcept>
#include <thread>

#include "../processes/windowThreadHandOver.h"
#include "platform/guiApplication.h"
#include "platform/tQtWindowThread.h"
#include "processes/tSyncEvent.h"

namespace {

// One offscreen application for the whole test program, on the main thread.
QGuiApplication& application()
{
    static char name[] = "platform_tests";
    static char* arguments[] = {name, nullptr};
    static int count = 1;
    static std::unique_ptr<QGuiApplication> made = makeGuiApplication(count, arguments, true);
    return *made;
}

class QtWindowThread : public ::testing::Test {
protected:
    void SetUp() override
    {
        application();
        installWindowThread(&window);
    }
    void TearDown() override { installWindowThread(nullptr); }

    tQtWindowThread window;
};

TEST_F(QtWindowThread, HandOversRunOnTheQtThreadWhileItWaitsAndCarryFailuresBack)
{
    EXPECT_TRUE(window.IsCurrent());
    expectHandOversRunOnTheWindowThread(window);
}

TEST_F(QtWindowThread, PostedRoutinesWaitForTheEventLoop)
{
    int ran = 0;
    window.Post([&] { ++ran; });
    EXPECT_EQ(ran, 0);
    QCoreApplication::processEvents();
    EXPECT_EQ(ran, 1);
}

}  // namespace
