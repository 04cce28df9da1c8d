#include "music/waveFiles.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>

#include "mainobj/system/tFilePaths.h"
#include "values/eLogoException.h"

namespace {

uint32_t littleEndian(std::string_view bytes, size_t at, int size)
{
    uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i) value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
    return value;
}

// Only the header matters; the sample data is never read.
constexpr size_t kHeaderBytes = 4096;

tWaveSounder installedSounder;

}  // namespace

int64_t waveMilliseconds(std::string_view bytes)
{
    if (bytes.size() < 12 || bytes.substr(0, 4) != "RIFF" || bytes.substr(8, 4) != "WAVE") return -1;
    uint32_t byteRate = 0;
    size_t at = 12;
    while (at + 8 <= bytes.size()) {
        const std::string_view id = bytes.substr(at, 4);
        const uint32_t size = littleEndian(bytes, at + 4, 4);
        if (id == "fmt " && at + 16 <= bytes.size()) byteRate = littleEndian(bytes, at + 16, 4);
        if (id == "data") return byteRate == 0 ? -1 : int64_t{size} * 1000 / byteRate;
        at += 8 + size + (size & 1);
    }
    return -1;
}

int32_t waveFileMilliseconds(std::string_view name)
{
    const std::string path = resolveFileName(name, fkSound, tResolveFlags{.search = true});
    std::error_code failure;
    if (name.empty() || !std::filesystem::is_regular_file(path, failure))
        throw eLogoException(erExpectWav, name);
    std::ifstream file(path, std::ios::binary);
    std::string header(kHeaderBytes, '\0');
    file.read(header.data(), kHeaderBytes);
    header.resize(static_cast<size_t>(file.gcount()));
    const int64_t milliseconds = waveMilliseconds(header);
    return static_cast<int32_t>(std::clamp<int64_t>(milliseconds, 0, INT32_MAX));
}

void setWaveSounder(tWaveSounder sounder) { installedSounder = std::move(sounder); }

const tWaveSounder& waveSounder() { return installedSounder; }
