#include "platform/desktop/tQtClipboard.h"

#include "platform/tQtWindowThread.h"
#include "turtle/labelText.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

namespace {

// A process thread uses the desktop's clipboard while the window thread runs its event loop:
// every access is handed over and answered there.
TEST(DesktopClipboardThreads, AProcessThreadReachesQtsClipboardThroughTheWindowThread)
{
    prepareFonts();  // the Qt application, offscreen, on this thread
    tQtWindowThread window;
    installWindowThread(&window);
    tQtClipboard held;
    std::atomic<bool> done = false;
    std::string readBack;
    std::vector<std::string> formats;
    bool windowThreadOwnedIt = false;
    std::thread process([&] {
        held.SetText("from a process \xe9");
        readBack = held.Text();
        formats = held.Formats();
        done = true;
    });
    // Generous: CI machines are loaded.
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (!done && std::chrono::steady_clock::now() < end) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    windowThreadOwnedIt = QGuiApplication::clipboard()->text() == QString::fromUtf8("from a process \u00e9");
    installWindowThread(nullptr);
    ASSERT_TRUE(done) << "the hand-overs were not served";
    process.join();
    EXPECT_EQ(readBack, "from a process \xe9");
    EXPECT_EQ(formats, std::vector<std::string>{"text"});
    EXPECT_TRUE(windowThreadOwnedIt);
}

}  // namespace
