#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "platform/midi/tFluidSynthOutput.h"

namespace {

float peak(const std::vector<float>& samples)
{
    float loudest = 0;
    for (float sample : samples) loudest = std::max(loudest, std::fabs(sample));
    return loudest;
}

constexpr int kTenthOfASecond = 4410;

class FluidSynthOutput : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (tFluidSynthOutput::SoundFontPath().empty()) GTEST_SKIP() << "no General MIDI sound font installed";
    }

    // A fresh synthesizer rendering into memory: no sound device is needed.
    static std::unique_ptr<tFluidSynthOutput> Open()
    {
        auto output = tFluidSynthOutput::Open(false);
        EXPECT_TRUE(output);
        if (output) EXPECT_FALSE(output->HasAudioDriver());
        return output;
    }
};

TEST_F(FluidSynthOutput, ANoteSoundsUntilItEnds)
{
    auto output = Open();
    ASSERT_TRUE(output);
    output->Reset();
    EXPECT_LT(peak(output->Render(kTenthOfASecond)), 0.001f);
    output->ProgramChange(0, 0);
    output->NoteOn(0, 73, 127);
    EXPECT_GT(peak(output->Render(kTenthOfASecond)), 0.01f);
    output->NoteOff(0, 73, 127);
    output->Render(kTenthOfASecond * 20);
    EXPECT_LT(peak(output->Render(kTenthOfASecond)), 0.001f);
}

// Every process may get the tenth channel: it plays the chosen instrument like the others, not
// the drum kit General MIDI puts there.
TEST_F(FluidSynthOutput, TheTenthChannelIsMelodic)
{
    std::vector<float> sound[2];
    const int channels[2] = {0, 9};
    for (int i = 0; i < 2; ++i) {
        auto output = Open();
        ASSERT_TRUE(output);
        output->Reset();
        output->ProgramChange(channels[i], 40);
        output->NoteOn(channels[i], 73, 127);
        sound[i] = output->Render(kTenthOfASecond);
    }
    EXPECT_GT(peak(sound[0]), 0.01f);
    EXPECT_EQ(sound[0], sound[1]);
}

}  // namespace
