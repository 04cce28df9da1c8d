#include <gtest/gtest.h>

#include <chrono>

#include "../processes/ScriptedProcess.h"
#include "RecordingSoundDevice.h"
#include "WaveFixtures.h"
#include "language/Language.h"
#include "media/soundWaiting.h"
#include "media/tSoundPlayback.h"
#include "media/waveDecoding.h"

namespace {

using namespace std::chrono_literals;

// A process waiting for a long sound lets others run, and a stop ends the wait and the sound
// at once.
TEST(SoundWaiting, AProcessWaitsWithoutTheLockAndAStopEndsTheSound)
{
    switchLanguage("");
    useNoDevice();
    auto commander = std::make_shared<tRecordingCommander>();
    auto sound = std::make_shared<const tPcmSound>(*decodeWave(countingWave(30000)));
    std::atomic<bool> waiting{false};
    std::atomic<int> end{-1};
    std::shared_ptr<tSoundPlayback> playback;

    tProcessStart listening;
    listening.name = "listener";
    listening.commander = commander;
    auto listener = tLogoprocess::Start<tScriptedProcess>(std::move(listening), [&](tScriptedProcess&) {
        playback = std::make_shared<tSoundPlayback>(sound, false);
        waiting = true;
        end = static_cast<int>(waitForSound(*playback));
    });
    tProcessStart other;
    other.name = "other";
    other.commander = commander;
    auto runner = tLogoprocess::Start<tScriptedProcess>(std::move(other), tScriptedProcess::loopForever);

    ASSERT_TRUE(eventually([&] { return waiting.load(); }));
    const int passes = runner->passes;
    EXPECT_TRUE(eventually([&] { return runner->passes > passes + 5; })) << "the waiting process held the lock";
    const auto stopped = std::chrono::steady_clock::now();
    listener->StopAndWait();
    EXPECT_LT(std::chrono::steady_clock::now() - stopped, 10s);
    EXPECT_EQ(end, static_cast<int>(tSoundWaitEnd::kStopped));
    EXPECT_TRUE(playback->Finished().Wait(10000));
    EXPECT_LT(playback->PositionMilliseconds(), 30000);
    EXPECT_TRUE(stopEveryProcess());
}

}  // namespace
