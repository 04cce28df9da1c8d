#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "SoundFolderWorld.h"
#include "processes/tInterpreterLock.h"

namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

// The devices live for the program: each test starts with none open.
class MediaControl : public tSoundFolderWorld {
protected:
    MediaControl() { world.Run("mci [close all]"); }
    ~MediaControl() override { world.Run("mci [close all]"); }

    int64_t Number(const std::string& question) { return std::stoll(world.Run("print mci [" + question + "]")); }
};

TEST_F(MediaControl, AnOpenedFileIsPlayedAndAskedAbout)
{
    EXPECT_EQ(world.ErrorOf("mci [open short alias Bell]"), "none");
    EXPECT_EQ(Number("status bell length"), 300);
    EXPECT_EQ(world.Run("print mci [status BELL mode]"), "stopped\n");
    const auto start = Clock::now();
    EXPECT_EQ(world.ErrorOf("mci [play bell wait]"), "none");
    EXPECT_GE(Clock::now() - start, 300ms);
    EXPECT_EQ(Number("status bell position"), 300);
    EXPECT_EQ(world.Run("print mci [status bell ready]"), "true\n");
    // The answer of a command that has none is the empty word.
    EXPECT_EQ(world.Run("print count mci [seek bell to 100]"), "0\n");
    EXPECT_EQ(Number("status bell position"), 100);
    const auto second = Clock::now();
    EXPECT_EQ(world.ErrorOf("mci [play bell to 250 wait]"), "none");
    EXPECT_GE(Clock::now() - second, 150ms);
    EXPECT_EQ(Number("status bell position"), 250);
    EXPECT_EQ(world.ErrorOf("mci [close bell]"), "none");
    EXPECT_EQ(world.ErrorOf("mci [status bell length]"), "erMCI");
}

TEST_F(MediaControl, PauseStopAndSeekKeepThePlace)
{
    world.Run("mci [open long alias tune] mci [play tune]");
    std::this_thread::sleep_for(200ms);
    EXPECT_EQ(world.Run("mci [pause tune] print mci [status tune mode]"), "paused\n");
    std::this_thread::sleep_for(100ms);  // a piece under way ends
    const int64_t paused = Number("status tune position");
    EXPECT_GT(paused, 0);
    EXPECT_LT(paused, 8000);
    std::this_thread::sleep_for(300ms);
    EXPECT_EQ(Number("status tune position"), paused);
    EXPECT_EQ(world.Run("mci [resume tune] print mci [status tune mode]"), "playing\n");
    EXPECT_EQ(world.Run("mci [stop tune] print mci [status tune mode]"), "stopped\n");
    const int64_t stopped = Number("status tune position");
    EXPECT_GE(stopped, paused);
    EXPECT_LT(stopped, 8000);
    world.Run("mci [seek tune to end]");
    EXPECT_EQ(Number("status tune position"), 8000);
    world.Run("mci [seek tune to start]");
    EXPECT_EQ(Number("status tune position"), 0);
    // Played again, it plays from where a stop left it.
    world.Run("mci [seek tune to 7900] mci [play tune]");
    std::this_thread::sleep_for(50ms);
    EXPECT_GE(Number("status tune position"), 7900);
    EXPECT_EQ(world.ErrorOf("mci [close all] mci [status tune mode]"), "erMCI");
}

// The instructions run in a process of their own ("@mci"), which the world's lock holds off
// until the test gives the lock up for a while.
TEST_F(MediaControl, InstructionsGivenWithPlayRunOnceTheSoundHasPlayedToItsEnd)
{
    world.Run("make \"heard [] mci [open short alias bell] mci [open long alias tune]");
    world.Run("(mci [play tune] [make \"heard lput \"tune :heard]) (mci [play bell] [make \"heard lput \"bell :heard])");
    world.Run("mci [stop tune]");
    const auto deadline = Clock::now() + 10s;
    while (world.Run("show :heard") != "[bell]\n" && Clock::now() < deadline) {
        tInterpreterLock::Releaser released;
        std::this_thread::sleep_for(50ms);
    }
    {
        tInterpreterLock::Releaser released;
        std::this_thread::sleep_for(300ms);
    }
    EXPECT_EQ(world.Run("show :heard"), "[bell]\n");
}

TEST_F(MediaControl, WhatCannotBeDoneFails)
{
    const std::pair<const char*, const char*> cases[] = {
        {"mci [open missing]", "erMCIFileProblem"},
        {"mci [open noise]", "erMCIFileProblem"},
        {"mci [play nothing]", "erMCI"},
        {"mci [open short alias x] mci [open long alias X]", "erMCI"},
        {"mci [fly away]", "erMCI"},
        {"mci []", "erMCI"},
        {"(mci [close all] [print 1])", "erBadValue"},
        {"mci [open short alias y] (mci [play y] \"done)", "erBadValue"},
        {"(mci [close all] [] 2)", "erTooManyInputs"},
    };
    for (const auto& [line, key] : cases) EXPECT_EQ(world.ErrorOf(line), key) << line;
}

}  // namespace
