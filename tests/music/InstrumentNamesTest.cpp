#include <gtest/gtest.h>

#include <string>

#include "music/instrumentNames.h"
#include "music/waveFiles.h"
#include "values/eLogoException.h"

namespace {

TEST(InstrumentNames, NamesGiveTheirPrograms)
{
    const struct {
        const char* name;
        int program;
    } cases[] = {
        {"piano", 0},  {"Guitar", 25}, {"  organ ", 16}, {"grand piano", 0}, {"acoustic guitar steel", 25},
        {"SAXOPHONE", 65}, {"gunshot", 127}, {"harp", 46}, {"orchestral harp", 46}, {"banana", -1},
        {"grand", -1}, {"", -1},
    };
    for (const auto& c : cases) EXPECT_EQ(instrumentOfName(c.name), c.program) << c.name;
}

TEST(InstrumentNames, NumbersAreCheckedAgainstTheirRange)
{
    EXPECT_EQ(instrumentOfText("127", 127), 127);
    EXPECT_EQ(instrumentOfText("128", 128), 128);
    EXPECT_EQ(instrumentOfText("violin", 127), 40);
    const struct {
        const char* text;
        errorConst key;
    } failures[] = {{"128", erMinMax}, {"99999999999", erMinMax}, {"fiddlesticks", erBadValue}};
    for (const auto& c : failures) {
        try {
            instrumentOfText(c.text, 127);
            ADD_FAILURE() << c.text;
        } catch (const eLogoException& error) {
            EXPECT_EQ(error.key, c.key) << c.text;
        }
    }
}

std::string littleEndian(uint32_t value, int size)
{
    std::string bytes;
    for (int i = 0; i < size; ++i) bytes += static_cast<char>(value >> (8 * i) & 0xFF);
    return bytes;
}

// A RIFF WAVE header with `extra` chunk before the data.
std::string waveHeader(uint32_t byteRate, uint32_t dataBytes, const std::string& extra = "")
{
    std::string fmt = littleEndian(1, 2) + littleEndian(1, 2) + littleEndian(byteRate, 4) + littleEndian(byteRate, 4) +
                      littleEndian(1, 2) + littleEndian(8, 2);
    return "RIFF" + littleEndian(0, 4) + "WAVE" + "fmt " + littleEndian(16, 4) + fmt + extra + "data" +
           littleEndian(dataBytes, 4);
}

TEST(WaveFiles, LengthComesFromTheHeader)
{
    EXPECT_EQ(waveMilliseconds(waveHeader(8000, 4000)), 500);
    EXPECT_EQ(waveMilliseconds(waveHeader(44100, 44100 * 3)), 3000);
    // An odd-sized chunk is padded to an even length.
    EXPECT_EQ(waveMilliseconds(waveHeader(1000, 250, "LIST" + littleEndian(3, 4) + "abc" + '\0')), 250);
    EXPECT_EQ(waveMilliseconds("RIFX" + waveHeader(8000, 1).substr(4)), -1);
    EXPECT_EQ(waveMilliseconds(waveHeader(0, 1000)), -1);
    EXPECT_EQ(waveMilliseconds("RIFF"), -1);
}

}  // namespace
