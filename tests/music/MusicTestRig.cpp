#include "MusicTestRig.h"

#include <gtest/gtest.h>

#include "language/Language.h"
#include "music/tMidiChannels.h"
#include "music/tMusicState.h"

namespace {

// Instrument names and error texts come from the English dictionary.
class tEnglish : public ::testing::Environment {
public:
    void SetUp() override { ASSERT_TRUE(switchLanguage("")); }
};
const auto* const english = ::testing::AddGlobalTestEnvironment(new tEnglish);

}  // namespace

void useRecordingOutput(tMidiLog& log, bool withOutput)
{
    storeSharedMusicState(tMusicState());
    tMidiChannels::Instance().SetOpener([&log, withOutput]() -> std::unique_ptr<tMidiOutput> {
        if (!withOutput) return nullptr;
        return std::make_unique<tRecordingOutput>(log);
    });
}

tRecordedPlayer::tRecordedPlayer(bool withOutput, bool keepSetUp)
{
    useRecordingOutput(log, withOutput);
    player = std::make_unique<tMelodyPlayer>(tMidiChannels::Instance(), clock);
    if (!keepSetUp) log.messages.clear();
}
