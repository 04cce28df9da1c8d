#include <gtest/gtest.h>

#include "../mainobj/MainObjectWorld.h"
#include "RecordingSoundDevice.h"
#include "mainobj/system/dialogFront.h"
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

// A window's dialogs, answering at once with the choice the test sets.
class tAnsweringFront : public tDialogFront {
public:
    tCloser ShowMessage(const tMessageRequest&, tAnswered answered) override { return Cancel(answered); }
    tCloser ShowLineInput(const tLineRequest&, tAnswered answered) override { return Cancel(answered); }
    tCloser ShowColourChooser(const tColourRequest&, tAnswered answered) override { return Cancel(answered); }
    tCloser ShowPopup(const tPopupRequest&, tAnswered answered) override { return Cancel(answered); }
    tCloser ShowFileChooser(const tFileRequest& request, tAnswered answered) override
    {
        file = request;
        answered(choice);
        return [] {};
    }
    tCloser ShowItemChooser(const tItemsRequest& request, tAnswered answered) override
    {
        items = request;
        answered(choice);
        return [] {};
    }

    tDialogAnswer choice;
    tFileRequest file;
    tItemsRequest items;

private:
    static tCloser Cancel(const tAnswered& answered)
    {
        answered({});
        return [] {};
    }
};

TEST_F(SpeechPrimitives, TheChoosersOutputWhatIsChosenInTheWindow)
{
    auto front = std::make_shared<tAnsweringFront>();
    installDialogFront(front);
    front->choice = {false, 2, "/sounds/ding.wav"};
    EXPECT_EQ(world.Run("show voicechooser"), "German\n");
    EXPECT_EQ(front->items.items.size(), 4u);
    EXPECT_EQ(world.Run("show playchooser \"bell"), "/sounds/ding.wav\n");
    EXPECT_EQ(front->file.name, "bell");
    ASSERT_EQ(front->file.filters.size(), 1u);
    EXPECT_EQ(front->file.filters.front().patterns.front(), "*.wav");
    front->choice = {};
    EXPECT_EQ(world.Run("show voicechooser show playchooser \"bell"), "[]\n[]\n");
    installDialogFront(nullptr);
}

// The console has no dialogs: the choosers answer as cancelled at once.
TEST_F(SpeechPrimitives, TheChoosersAnswerTheEmptyListInTheConsole)
{
    EXPECT_EQ(world.Run("show voicechooser show playchooser \"ding"), "[]\n[]\n");
}

}  // namespace
