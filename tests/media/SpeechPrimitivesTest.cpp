#include <gtest/gtest.h>

#include "../mainobj/MainObjectWorld.h"
#include "RecordingSoundDevice.h"
#include "media/speech.h"
#include "media/startMedia.h"

namespace {

// What the speech engine was asked, and a sound of one sample per letter spoken.
struct tSpeechLog {
    std::vector<std::string> spoken;
    std::string voice;
};

class tFakeSynthesizer : public tSpeechSynthesizer {
public:
    explicit tFakeSynthesizer(tSpeechLog& log) : log(log) {}
    std::vector<tVoice> Voices() override
    {
        return {{"English (Scotland)", {"en-gb-scotland", "en"}},
                {"English (Great Britain)", {"en-gb", "en"}},
                {"German", {"de"}},
                {"English", {"en"}}};
    }
    bool SetVoice(const tVoice& voice) override
    {
        log.voice = voice.name;
        return true;
    }
    std::optional<tPcmSound> Speak(std::string_view text) override
    {
        log.spoken.emplace_back(text);
        return tPcmSound{8000, 1, std::vector<int16_t>(text.size(), 1)};
    }

private:
    tSpeechLog& log;
};

class SpeechPrimitives : public ::testing::Test {
protected:
    SpeechPrimitives()
    {
        startMedia();
        setSpeechSynthesizerOpener([this] { return std::make_unique<tFakeSynthesizer>(log); });
        closeSpeech();
        useRecordingDevice(sound);
    }
    ~SpeechPrimitives() override
    {
        useNoDevice();
        setSpeechSynthesizerOpener(nullptr);
        closeSpeech();
    }

    tMainObjectWorld world;
    tSpeechLog log;
    tSoundLog sound;
};

TEST_F(SpeechPrimitives, SayMakesTheSoundAndPlaysItToTheEnd)
{
    EXPECT_EQ(world.ErrorOf("say \"hello say [good morning]"), "none");
    EXPECT_EQ(log.spoken, (std::vector<std::string>{"hello", "good morning"}));
    EXPECT_EQ(sound.Samples().size(), 5u + 12u);
    EXPECT_EQ(sound.drained, 2);
    EXPECT_EQ(world.ErrorOf("setoption [sound 0] say \"quiet"), "none");
    world.Run("setoption [sound 1]");
    EXPECT_EQ(log.spoken.size(), 2u);
}

TEST_F(SpeechPrimitives, SetvoiceTakesANameOrALanguageInAnyCase)
{
    const std::pair<const char*, const char*> cases[] = {
        {"setvoice \"german", "German"},
        {"setvoice [english (great britain)]", "English (Great Britain)"},
        {"setvoice \"DE", "German"},
        {"setvoice [en-GB]", "English (Great Britain)"},
        // A voice's own language before one it speaks too.
        {"setvoice \"en", "English"},
        {"setvoice [english (scotland)]", "English (Scotland)"},
    };
    for (const auto& [line, voice] : cases) {
        log.voice.clear();
        EXPECT_EQ(world.ErrorOf(line), "none") << line;
        EXPECT_EQ(log.voice, voice) << line;
    }
    EXPECT_EQ(world.ErrorOf("setvoice \"klingon"), "erVoiceList");
    EXPECT_EQ(world.ErrorOf("setvoice []"), "erVoiceList");
}

// Without an engine nothing is said (and nothing waits); no voice can be chosen.
TEST_F(SpeechPrimitives, WithoutAnEngineSayIsSilentAndNoVoiceExists)
{
    setSpeechSynthesizerOpener(nullptr);
    closeSpeech();
    EXPECT_EQ(world.ErrorOf("say \"hello"), "none");
    EXPECT_EQ(sound.opened, 0);
    EXPECT_EQ(world.ErrorOf("setvoice \"german"), "erVoiceList");
}

// The console has no dialogs: the choosers answer as cancelled at once.
TEST_F(SpeechPrimitives, TheChoosersAnswerTheEmptyListInTheConsole)
{
    EXPECT_EQ(world.Run("show voicechooser show playchooser \"ding"), "[]\n[]\n");
}

}  // namespace
