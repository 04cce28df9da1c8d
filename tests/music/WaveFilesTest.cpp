#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "MusicTestRig.h"
#include "mainobj/system/tFilePaths.h"
#include "music/waveFiles.h"
#include "values/eLogoException.h"
#include "values/eTerminateException.h"

namespace {

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

// A "W" token waits for as long as the file plays; a missing file fails.
TEST(WaveFiles, ATokenWaitsForTheFilesLength)
{
    setUpFilePaths();
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / ("zx-wave-" + std::to_string(getpid()));
    std::filesystem::create_directories(folder);
    const std::string file = (folder / "quarter.wav").string();
    std::ofstream(file, std::ios::binary) << waveHeader(8000, 2000) << std::string(2000, '\x80');
    tRecordedPlayer rig;
    rig.player->PlayToken("W" + file);
    EXPECT_EQ(rig.log.now, 250);
    try {
        rig.player->PlayToken("W" + (folder / "missing.wav").string());
        ADD_FAILURE() << "a missing file played";
    } catch (const eLogoException& error) {
        EXPECT_EQ(error.key, erExpectWav);
    }
    std::filesystem::remove_all(folder);
}

// With a sounder installed the token plays through it, taking no time of the player's clock;
// a stop the sounder reports ends the melody.
TEST(WaveFiles, AnInstalledSounderPlaysTheToken)
{
    std::vector<std::string> sounded;
    bool stop = false;
    setWaveSounder([&](std::string_view name) {
        sounded.emplace_back(name);
        return stop;
    });
    tRecordedPlayer rig;
    rig.player->PlayToken("Wding");
    EXPECT_EQ(sounded, (std::vector<std::string>{"ding"}));
    EXPECT_EQ(rig.log.now, 0);
    stop = true;
    EXPECT_THROW(rig.player->PlayToken("Wbell"), eStopPlayException);
    setWaveSounder(nullptr);
}

}  // namespace
