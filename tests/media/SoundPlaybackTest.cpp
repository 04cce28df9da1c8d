#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "RecordingSoundDevice.h"
#include "WaveFixtures.h"
#include "media/tSoundPlayback.h"
#include "media/waveDecoding.h"

namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

// A loaded machine may be slow to end a sound; no test waits for ever.
constexpr uint32_t kGenerousMilliseconds = 10000;

std::shared_ptr<const tPcmSound> countingSound(int milliseconds)
{
    return std::make_shared<const tPcmSound>(*decodeWave(countingWave(milliseconds)));
}

TEST(SoundPlayback, TheDeviceGetsEverySampleInOrderAndIsDrained)
{
    tSoundLog log;
    useRecordingDevice(log);
    auto sound = countingSound(120);
    tSoundPlayback playback(sound, false);
    ASSERT_TRUE(playback.Finished().Wait(kGenerousMilliseconds));
    EXPECT_EQ(log.Samples(), sound->samples);
    EXPECT_EQ(log.rate, 8000);
    EXPECT_EQ(log.channels, 1);
    EXPECT_EQ(log.drained, 1);
    EXPECT_EQ(log.dropped, 0);
    useNoDevice();
}

// Without speakers a program still waits as long as the sound lasts.
TEST(SoundPlayback, WithoutADeviceItTakesItsLengthInSilence)
{
    useNoDevice();
    const auto start = Clock::now();
    tSoundPlayback playback(countingSound(300), false);
    ASSERT_TRUE(playback.Finished().Wait(kGenerousMilliseconds));
    EXPECT_GE(Clock::now() - start, 300ms);
    EXPECT_EQ(playback.PositionMilliseconds(), 300);
}

TEST(SoundPlayback, ADeviceThatFailsLeavesTheRestTimedInSilence)
{
    tSoundLog log;
    log.failAfterWrites = 1;
    useRecordingDevice(log);
    const auto start = Clock::now();
    tSoundPlayback playback(countingSound(500), false);
    ASSERT_TRUE(playback.Finished().Wait(kGenerousMilliseconds));
    // The first piece (50 ms) was heard, the other 450 ms were waited out.
    EXPECT_EQ(log.Samples().size(), 400u);
    EXPECT_GE(Clock::now() - start, 450ms);
    useNoDevice();
}

TEST(SoundPlayback, AStopEndsItAtOnceAndDropsWhatWasNotHeard)
{
    tSoundLog log;
    log.failAfterWrites = 0;  // the device fails at once, so the sound is timed and can be stopped
    useRecordingDevice(log);
    tSoundPlayback playback(countingSound(20000), false);
    std::this_thread::sleep_for(100ms);
    const auto stopped = Clock::now();
    playback.Stop();
    ASSERT_TRUE(playback.Finished().Wait(kGenerousMilliseconds));
    EXPECT_LT(Clock::now() - stopped, 5s);
    EXPECT_LT(playback.PositionMilliseconds(), 20000);
    EXPECT_EQ(log.dropped, 1);
    EXPECT_EQ(log.drained, 0);
    useNoDevice();
}

TEST(SoundPlayback, APauseHoldsThePositionUntilItGoesOn)
{
    useNoDevice();
    tSoundPlayback playback(countingSound(400), false);
    std::this_thread::sleep_for(100ms);
    playback.Pause();
    std::this_thread::sleep_for(100ms);  // a piece under way when it paused ends meanwhile
    const int64_t held = playback.PositionMilliseconds();
    EXPECT_TRUE(playback.Paused());
    std::this_thread::sleep_for(600ms);
    EXPECT_EQ(playback.PositionMilliseconds(), held);
    EXPECT_FALSE(playback.Finished().IsSet());
    const auto resumed = Clock::now();
    playback.Resume();
    ASSERT_TRUE(playback.Finished().Wait(kGenerousMilliseconds));
    EXPECT_GE(Clock::now() - resumed, std::chrono::milliseconds(400 - held - 50));
    EXPECT_EQ(playback.PositionMilliseconds(), 400);
}

TEST(SoundPlayback, ARepeatedSoundStartsAgainUntilStopped)
{
    useNoDevice();
    tSoundPlayback playback(countingSound(100), true);
    EXPECT_FALSE(playback.Finished().Wait(450));
    playback.Stop();
    EXPECT_TRUE(playback.Finished().Wait(kGenerousMilliseconds));
}

}  // namespace
