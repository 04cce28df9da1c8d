#include "WaveFixtures.h"

std::string littleEndianBytes(uint32_t value, int size)
{
    std::string bytes;
    for (int i = 0; i < size; ++i) bytes += static_cast<char>(value >> (8 * i) & 0xFF);
    return bytes;
}

std::string formatChunk(uint16_t tag, int channels, int rate, int bits)
{
    const int blockAlign = channels * bits / 8;
    return "fmt " + littleEndianBytes(16, 4) + littleEndianBytes(tag, 2) + littleEndianBytes(static_cast<uint32_t>(channels), 2) +
           littleEndianBytes(static_cast<uint32_t>(rate), 4) + littleEndianBytes(static_cast<uint32_t>(rate * blockAlign), 4) +
           littleEndianBytes(static_cast<uint32_t>(blockAlign), 2) + littleEndianBytes(static_cast<uint32_t>(bits), 2);
}

std::string waveFile(const std::string& chunks, const std::string& data)
{
    std::string body = "WAVE" + chunks + "data" + littleEndianBytes(static_cast<uint32_t>(data.size()), 4) + data;
    if (data.size() & 1) body += '\0';
    return "RIFF" + littleEndianBytes(static_cast<uint32_t>(body.size()), 4) + body;
}

std::string wave16(int rate, const std::vector<int16_t>& samples)
{
    std::string data;
    for (int16_t sample : samples) data += littleEndianBytes(static_cast<uint16_t>(sample), 2);
    return waveFile(formatChunk(1, 1, rate, 16), data);
}

std::string countingWave(int milliseconds)
{
    std::vector<int16_t> samples(static_cast<size_t>(8 * milliseconds));
    for (size_t i = 0; i < samples.size(); ++i) samples[i] = static_cast<int16_t>(i);
    return wave16(8000, samples);
}
