#include <gtest/gtest.h>

#include <cstring>

#include "WaveFixtures.h"
#include "media/waveDecoding.h"

namespace {

struct tDecodedCase {
    const char* what;
    std::string bytes;
    int rate;
    int channels;
    std::vector<int16_t> samples;
};

std::string floatBytes(float value)
{
    uint32_t bits;
    static_assert(sizeof bits == sizeof value);
    std::memcpy(&bits, &value, sizeof bits);
    return littleEndianBytes(bits, 4);
}

// The extensible format: the real tag in the sub-format after 8 bytes of extension.
std::string extensibleChunk(uint16_t realTag, int channels, int rate, int bits)
{
    std::string plain = formatChunk(0xFFFE, channels, rate, bits).substr(8);
    std::string extension = littleEndianBytes(22, 2) + littleEndianBytes(static_cast<uint32_t>(bits), 2) +
                            littleEndianBytes(0, 4) + littleEndianBytes(realTag, 2) + std::string(14, '\x01');
    return "fmt " + littleEndianBytes(static_cast<uint32_t>(plain.size() + extension.size()), 4) + plain + extension;
}

TEST(WaveDecoding, EveryPlainFormatBecomesSixteenBitSamples)
{
    const tDecodedCase cases[] = {
        {"8-bit is unsigned", waveFile(formatChunk(1, 1, 8000, 8), std::string("\x80\xFF\x00", 3)), 8000, 1, {0, 127 * 256, -32768}},
        {"16-bit stereo", waveFile(formatChunk(1, 2, 22050, 16), littleEndianBytes(1000, 2) + littleEndianBytes(0xFC18, 2)),
         22050, 2, {1000, -1000}},
        {"24-bit keeps the top bits", waveFile(formatChunk(1, 1, 44100, 24), std::string("\x11\x34\x12\xFF\xFF\x80", 6)), 44100,
         1, {0x1234, -32513}},
        {"32-bit integer", waveFile(formatChunk(1, 1, 48000, 32), littleEndianBytes(0x7FFF0000, 4)), 48000, 1, {32767}},
        {"float, clipped", waveFile(formatChunk(3, 1, 8000, 32), floatBytes(0.5f) + floatBytes(-2.0f)), 8000, 1, {16384, -32767}},
        {"extensible 16-bit", waveFile(extensibleChunk(1, 1, 8000, 16), littleEndianBytes(300, 2)), 8000, 1, {300}},
        {"three channels keep the first two",
         waveFile(formatChunk(1, 3, 8000, 16), littleEndianBytes(1, 2) + littleEndianBytes(2, 2) + littleEndianBytes(3, 2)), 8000,
         2, {1, 2}},
        {"chunks before the format are skipped, odd ones padded",
         waveFile("LIST" + littleEndianBytes(3, 4) + "abc" + '\0' + formatChunk(1, 1, 8000, 16), littleEndianBytes(7, 2)), 8000, 1,
         {7}},
        {"an incomplete last frame is left out", waveFile(formatChunk(1, 2, 8000, 16), littleEndianBytes(5, 2) + "\x01"), 8000, 2,
         {}},
    };
    for (const tDecodedCase& c : cases) {
        SCOPED_TRACE(c.what);
        std::optional<tPcmSound> sound = decodeWave(c.bytes);
        ASSERT_TRUE(sound);
        EXPECT_EQ(sound->rate, c.rate);
        EXPECT_EQ(sound->channels, c.channels);
        EXPECT_EQ(sound->samples, c.samples);
    }
}

TEST(WaveDecoding, AFileCutShortGivesTheFramesThatAreThere)
{
    std::string bytes = wave16(8000, {1, 2, 3, 4});
    bytes.resize(bytes.size() - 3);
    std::optional<tPcmSound> sound = decodeWave(bytes);
    ASSERT_TRUE(sound);
    EXPECT_EQ(sound->samples, (std::vector<int16_t>{1, 2}));
}

TEST(WaveDecoding, WhatCannotBePlayedIsRefused)
{
    const std::pair<const char*, std::string> cases[] = {
        {"not RIFF", "RIFX" + wave16(8000, {1}).substr(4)},
        {"not WAVE", wave16(8000, {1}).replace(8, 4, "AVI ")},
        {"compressed (ADPCM)", waveFile(formatChunk(2, 1, 8000, 4), "ab")},
        {"12-bit integer", waveFile(formatChunk(1, 1, 8000, 12), "ab")},
        {"64-bit float", waveFile(formatChunk(3, 1, 8000, 64), std::string(8, '\0'))},
        {"rate 0", waveFile(formatChunk(1, 1, 0, 16), "ab")},
        {"no channels", waveFile(formatChunk(1, 0, 8000, 16), "ab")},
        {"no format chunk", waveFile("", "ab")},
        {"a format chunk too short", waveFile("fmt " + littleEndianBytes(4, 4) + "abcd", "ab")},
        {"no data chunk", "RIFF" + littleEndianBytes(28, 4) + "WAVE" + formatChunk(1, 1, 8000, 16)},
        {"only a header", std::string("RIFF")},
    };
    for (const auto& [what, bytes] : cases) EXPECT_FALSE(decodeWave(bytes)) << what;
}

}  // namespace
