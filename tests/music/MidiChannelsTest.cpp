#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "MusicTestRig.h"
#include "music/tMelodyPlayer.h"
#include "music/tMidiChannels.h"
#include "values/eLogoException.h"

namespace {

TEST(MidiChannels, EachPlayerHoldsItsOwnChannelAndASeventeenthFails)
{
    tMidiLog log;
    useRecordingOutput(log);
    tVirtualClock clock(log);
    std::vector<std::unique_ptr<tMelodyPlayer>> players;
    for (int i = 0; i < tMidiChannels::kChannels; ++i)
        players.push_back(std::make_unique<tMelodyPlayer>(tMidiChannels::Instance(), clock));
    for (int i = 0; i < tMidiChannels::kChannels; ++i) EXPECT_EQ(players[i]->Channel(), i);
    try {
        tMelodyPlayer seventeenth(tMidiChannels::Instance(), clock);
        ADD_FAILURE() << "a seventeenth player got a channel";
    } catch (const eLogoException& error) {
        EXPECT_EQ(error.key, erFreeChannel);
    }
    // The lowest free channel goes to the next player.
    players[5].reset();
    players[3].reset();
    EXPECT_EQ(tMelodyPlayer(tMidiChannels::Instance(), clock).Channel(), 3);
    EXPECT_EQ(log.opened, 1);
    EXPECT_EQ(log.closed, 0);
    players.clear();
    EXPECT_EQ(log.closed, 1);
}

TEST(MidiChannels, AChannelIsResetAndGetsItsInstrumentWhenTaken)
{
    tRecordedPlayer rig(true, true);
    rig.player->SetInstrument(40);
    rig.player->PlayToken("V100");
    rig.player->Sound({60}, 10);
    const std::vector<std::string>& messages = rig.log.messages;
    EXPECT_EQ(messages.front(), "0 reset");
    EXPECT_EQ(std::vector<std::string>(messages.end() - 6, messages.end()),
              (std::vector<std::string>{"0 control 0 125 0", "0 control 0 127 0", "0 program 0 0", "0 program 0 40",
                                        "0 on 0 60 100", "10 off 0 60 100"}));
}

TEST(MidiChannels, AReopenedOutputGetsTheStoredInstrumentsOfFreeChannels)
{
    tMidiLog log;
    useRecordingOutput(log);
    tVirtualClock clock(log);
    {
        tMelodyPlayer first(tMidiChannels::Instance(), clock);
        tMelodyPlayer second(tMidiChannels::Instance(), clock);
        second.SetInstrument(33);
        first.SetInstrument(tMusicState::kNoInstrument);
    }
    EXPECT_EQ(log.closed, 1);
    log.messages.clear();
    // Opened again by a new player: channel 0 (its own, so not sent) and channel 1's piece.
    tMelodyPlayer again(tMidiChannels::Instance(), clock);
    EXPECT_EQ(log.opened, 2);
    ASSERT_GE(log.messages.size(), 2u);
    EXPECT_EQ(log.messages[0], "0 reset");
    EXPECT_EQ(log.messages[1], "0 program 1 33");
}

}  // namespace
