#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "MusicTestRig.h"
#include "music/processMusic.h"
#include "music/tMelodyPlayer.h"
#include "processes/tQueuedWindowThread.h"

namespace {

// Played outside any process, on the window thread: the note lasts its time while routines
// handed to the window thread still run.
TEST(ProcessMusic, TheWindowThreadServesHandOversWhileANoteLasts)
{
    tMidiLog log;
    useRecordingOutput(log);
    tQueuedWindowThread window;
    installWindowThread(&window);
    std::atomic<bool> served{false};
    std::thread handing([&] { window.RunAndWait([&] { served = true; }); });
    const auto start = std::chrono::steady_clock::now();
    currentPlayer().Sound({60}, 300);
    const auto lasted = std::chrono::steady_clock::now() - start;
    const bool servedDuringNote = served;
    window.RunPending();
    handing.join();
    endThreadMusic();
    installWindowThread(nullptr);
    EXPECT_TRUE(servedDuringNote);
    EXPECT_GE(lasted, std::chrono::milliseconds(300));
    EXPECT_EQ(log.messages.back(), "0 off 0 60 127");
}

}  // namespace
