#include <gtest/gtest.h>

#include <chrono>

#include "RecordingSoundDevice.h"
#include "SoundFolderWorld.h"
#include "WaveFixtures.h"
#include "media/waveDecoding.h"

namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

using SoundFilePrimitives = tSoundFolderWorld;

TEST_F(SoundFilePrimitives, PlaywaveWaitsForTheSoundUnlessToldNotTo)
{
    auto start = Clock::now();
    EXPECT_EQ(world.ErrorOf("playwave \"short"), "none");  // ".wav" found for the default ".WAV"
    EXPECT_GE(Clock::now() - start, 300ms);

    start = Clock::now();
    EXPECT_EQ(world.ErrorOf("(playwave \"long 1)"), "none");
    EXPECT_LT(Clock::now() - start, 6s);
    // The empty list stops the wave that is playing; a repeated one plays on until then.
    EXPECT_EQ(world.ErrorOf("playwave []"), "none");
    EXPECT_EQ(world.ErrorOf("(playwave \"short 8) playwave []"), "none");
}

TEST_F(SoundFilePrimitives, FilesThatCannotBePlayedFail)
{
    const std::pair<std::string, const char*> cases[] = {
        {"playwave \"missing", "erExpectWav"},
        {"playwave \"noise", "erMCIFileProblem"},
        {"playfile \"missing", "erMCIFileProblem"},
        {"playfile \"noise", "erMCIFileProblem"},
        {"play [Wmissing]", "erExpectWav"},
        {"(playwave \"short \"soon)", "erExpectNumber"},
    };
    for (const auto& [line, key] : cases) EXPECT_EQ(world.ErrorOf(line), key) << line;
}

TEST_F(SoundFilePrimitives, TheSoundOptionSilencesPlaywaveButNotPlayfile)
{
    tSoundLog log;
    useRecordingDevice(log);
    EXPECT_EQ(world.ErrorOf("setoption [sound 0] playwave \"missing playwave \"short"), "none");
    EXPECT_EQ(log.opened, 0);
    EXPECT_EQ(world.ErrorOf("playfile \"short"), "none");
    world.Run("setoption [sound 1]");
    EXPECT_EQ(log.Samples(), decodeWave(countingWave(300))->samples);
}

TEST_F(SoundFilePrimitives, AWaveTokenOfAMelodySoundsItsFileToTheEnd)
{
    tSoundLog log;
    useRecordingDevice(log);
    EXPECT_EQ(world.ErrorOf("play [Wshort]"), "none");
    EXPECT_EQ(log.Samples(), decodeWave(countingWave(300))->samples);
    EXPECT_EQ(log.drained, 1);
}

}  // namespace
