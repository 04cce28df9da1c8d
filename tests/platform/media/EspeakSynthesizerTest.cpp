#include <gtest/gtest.h>

#include <algorithm>

#include "platform/media/tEspeakSynthesizer.h"

namespace {

// espeak-ng is installed with the program's dependencies; its voices include English.
TEST(EspeakSynthesizer, SpeaksATextWithAChosenVoice)
{
    std::unique_ptr<tEspeakSynthesizer> synthesizer = tEspeakSynthesizer::Open();
    ASSERT_TRUE(synthesizer) << "espeak-ng or its voice data is missing";
    const std::vector<tVoice> voices = synthesizer->Voices();
    auto english = std::find_if(voices.begin(), voices.end(), [](const tVoice& voice) {
        return !voice.languages.empty() && voice.languages.front() == "en-gb";
    });
    ASSERT_NE(english, voices.end());
    EXPECT_TRUE(synthesizer->SetVoice(*english));
    EXPECT_FALSE(synthesizer->SetVoice({"no such voice", {"xx"}}));

    std::optional<tPcmSound> hello = synthesizer->Speak("hello");
    ASSERT_TRUE(hello);
    EXPECT_EQ(hello->channels, 1);
    EXPECT_GT(hello->rate, 8000);
    // A spoken word lasts a fraction of a second, and is not silence.
    EXPECT_GT(hello->Milliseconds(), 200);
    EXPECT_LT(hello->Milliseconds(), 3000);
    EXPECT_TRUE(std::any_of(hello->samples.begin(), hello->samples.end(), [](int16_t s) { return s > 1000 || s < -1000; }));
    std::optional<tPcmSound> longer = synthesizer->Speak("hello, how are you today?");
    ASSERT_TRUE(longer);
    EXPECT_GT(longer->Milliseconds(), hello->Milliseconds());
}

}  // namespace
