#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "MusicTestRig.h"
#include "music/tMelodyPlayer.h"
#include "music/tMidiChannels.h"
#include "values/eLogoException.h"
#include "values/eTerminateException.h"

namespace {

std::vector<std::string> tokensOf(const std::string& melody)
{
    std::istringstream words(melody);
    std::vector<std::string> tokens;
    for (std::string token; words >> token;) tokens.push_back(token);
    return tokens;
}

// Plays the tokens on a fresh player from the reset settings and returns what the synthesizer
// got after the player's set-up, with the time the melody ended.
std::vector<std::string> played(const std::string& melody, bool withOutput = true)
{
    tRecordedPlayer rig(withOutput);
    for (const std::string& token : tokensOf(melody)) rig.player->PlayToken(token);
    rig.log.messages.push_back("end " + std::to_string(rig.log.now));
    return rig.log.messages;
}

struct tMelodyCase {
    const char* melody;
    std::vector<std::string> messages;
};

const tMelodyCase kMelodies[] = {
    {"C E G", {"0 on 0 73 127", "500 off 0 73 127", "500 on 0 77 127", "1000 off 0 77 127", "1000 on 0 80 127",
               "1500 off 0 80 127", "end 1500"}},
    {"c e g", {"0 on 0 73 127", "500 off 0 73 127", "500 on 0 77 127", "1000 off 0 77 127", "1000 on 0 80 127",
               "1500 off 0 80 127", "end 1500"}},
    // Lengths, dots, default length, pauses.
    {"8C.", {"0 on 0 73 127", "375 off 0 73 127", "end 375"}},
    {"2D 16E", {"0 on 0 75 127", "1000 off 0 75 127", "1000 on 0 77 127", "1125 off 0 77 127", "end 1125"}},
    {"L8 F 0F", {"0 on 0 78 127", "250 off 0 78 127", "250 on 0 78 127", "500 off 0 78 127", "end 500"}},
    {"C P 2P. C", {"0 on 0 73 127", "500 off 0 73 127", "2500 on 0 73 127", "3000 off 0 73 127", "end 3000"}},
    // Sharps, flats and the octave edges.
    {"C# DB", {"0 on 0 74 127", "500 off 0 74 127", "500 on 0 74 127", "1000 off 0 74 127", "end 1000"}},
    {"B# Hb.", {"0 on 0 85 127", "500 off 0 85 127", "500 on 0 83 127", "1250 off 0 83 127", "end 1250"}},
    {"O4 CB", {"0 on 0 84 127", "500 off 0 84 127", "end 500"}},
    {"O6 H#", {"0 on 0 120 127", "500 off 0 120 127", "end 500"}},
    {"O CB", {"0 on 0 37 127", "500 off 0 37 127", "end 500"}},
    {"O# A OB OB A", {"0 on 0 94 127", "500 off 0 94 127", "500 on 0 70 127", "1000 off 0 70 127", "end 1000"}},
    // Tempo and its step: each note or pause moves the tempo after it has sounded.
    {"T60 C", {"0 on 0 73 127", "1000 off 0 73 127", "end 1000"}},
    {"T+ C C C", {"0 on 0 73 127", "500 off 0 73 127", "500 on 0 73 127", "996 off 0 73 127", "996 on 0 73 127",
                  "1488 off 0 73 127", "end 1488"}},
    {"T-2 P P T120 P P", {"end 2008"}},
    {"T3 T-5 P P", {"end 40000"}},
    // Reset, instrument, volume and the letter without effect.
    {"O5 L2 T60 R C", {"0 on 0 73 127", "500 off 0 73 127", "end 500"}},
    {"V64 S C", {"0 on 0 73 64", "500 off 0 73 64", "end 500"}},
    {"I25 Iorgan Ipiano", {"0 program 0 25", "0 program 0 16", "0 program 0 0", "end 0"}},
    {"I128 C P C", {"end 500"}},
};

TEST(MelodyNotation, TokensSoundTheirNotesInTime)
{
    for (const tMelodyCase& c : kMelodies) EXPECT_EQ(played(c.melody), c.messages) << c.melody;
}

TEST(MelodyNotation, WithoutOutputNotesTakeNoTimeButPausesWait)
{
    EXPECT_EQ(played("C 8P I25 V10 D", false), (std::vector<std::string>{"end 250"}));
}

struct tBadToken {
    const char* melody;  // the last token fails
    errorConst key;
};

const tBadToken kBadTokens[] = {
    {"X", erBadValue},    {"", erBadValue},      {"4", erBadValue},     {"3C", erBadValue},   {"128C", erBadValue},
    {"L3", erBadValue},   {"L", erBadValue},     {"L0", erBadValue},    {"L128", erBadValue}, {"O7", erBadValue},
    {"O6 O#", erBadValue}, {"O0 OB", erBadValue}, {"T0", erBadValue},   {"T", erBadValue},    {"T+x", erBadValue},
    {"V128", erBadValue}, {"V", erBadValue},     {"C#x", erBadValue},   {"C.#", erBadValue},  {"C..", erBadValue},
    {"P#", erBadValue},   {"S1", erBadValue},    {"Ibanana", erBadValue}, {"I129", erMinMax}, {"T99999999999", erBadValue},
};

TEST(MelodyNotation, MalformedTokensFail)
{
    for (const tBadToken& c : kBadTokens) {
        tRecordedPlayer rig;
        std::vector<std::string> tokens = tokensOf(c.melody);
        if (tokens.empty()) tokens.push_back("");
        for (size_t i = 0; i + 1 < tokens.size(); ++i) rig.player->PlayToken(tokens[i]);
        try {
            rig.player->PlayToken(tokens.back());
            ADD_FAILURE() << c.melody << " played";
        } catch (const eLogoException& error) {
            EXPECT_EQ(error.key, c.key) << c.melody;
        }
    }
}

TEST(MelodyNotation, AStopSilencesTheNoteAndEndsTheMelody)
{
    tRecordedPlayer rig;
    rig.clock.stopAt = 700;
    rig.player->PlayToken("C");
    EXPECT_THROW(rig.player->PlayToken("E"), eStopPlayException);
    EXPECT_EQ(rig.log.messages, (std::vector<std::string>{"0 on 0 73 127", "500 off 0 73 127", "500 on 0 77 127",
                                                      "700 off 0 77 127"}));
}

TEST(MelodyNotation, ChordsSoundTogetherAndSilenceWaits)
{
    tRecordedPlayer rig;
    rig.player->Sound({60, 128, 64}, 300);
    rig.player->Sound({}, 200);
    rig.player->Rest(100);
    EXPECT_EQ(rig.log.messages, (std::vector<std::string>{"0 on 0 60 127", "0 on 0 64 127", "300 off 0 60 127",
                                                      "300 off 0 64 127"}));
    EXPECT_EQ(rig.log.now, 600);
}

TEST(MelodyNotation, ANewPlayerStartsFromTheLastSettingsOfAnyPlayer)
{
    tRecordedPlayer rig;
    tMelodyPlayer& first = *rig.player;
    for (const char* token : {"O5", "L8", "T60", "V90", "I40"}) first.PlayToken(token);
    tMelodyPlayer second(tMidiChannels::Instance(), rig.clock);
    const tMusicState& state = second.State();
    EXPECT_EQ(state.octave, 5);
    EXPECT_EQ(state.defaultLength, 8);
    EXPECT_EQ(state.tempo, 60);
    EXPECT_EQ(state.Duration(8), 500);
    EXPECT_EQ(state.volume, 90);
    EXPECT_EQ(state.instrument, 40);
    EXPECT_EQ(first.State().octave, 5);
}

}  // namespace
