#include "media/waveDecoding.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

constexpr uint16_t kIntegerPcm = 1;
constexpr uint16_t kFloatPcm = 3;
constexpr uint16_t kExtensible = 0xFFFE;

uint32_t littleEndian(std::string_view bytes, size_t at, int size)
{
    uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i) value = value << 8 | static_cast<unsigned char>(bytes[at + static_cast<size_t>(i)]);
    return value;
}

struct tWaveFormat {
    uint16_t tag = 0;
    int channels = 0;
    int rate = 0;
    int bits = 0;
};

std::optional<tWaveFormat> readFormat(std::string_view chunk)
{
    if (chunk.size() < 16) return std::nullopt;
    tWaveFormat format{static_cast<uint16_t>(littleEndian(chunk, 0, 2)), static_cast<int>(littleEndian(chunk, 2, 2)),
                       static_cast<int>(littleEndian(chunk, 4, 4)), static_cast<int>(littleEndian(chunk, 14, 2))};
    // The extensible format names the real one in the first two bytes of its sub-format GUID.
    if (format.tag == kExtensible) {
        if (chunk.size() < 26) return std::nullopt;
        format.tag = static_cast<uint16_t>(littleEndian(chunk, 24, 2));
    }
    const bool integer = format.tag == kIntegerPcm && (format.bits == 8 || format.bits == 16 || format.bits == 24 || format.bits == 32);
    const bool floating = format.tag == kFloatPcm && format.bits == 32;
    if (!(integer || floating) || format.channels < 1 || format.rate <= 0) return std::nullopt;
    return format;
}

// One sample as 16 bits: 8-bit samples are unsigned, wider ones keep their top 16 bits.
int16_t sampleAt(std::string_view data, size_t at, const tWaveFormat& format)
{
    if (format.tag == kFloatPcm) {
        float value;
        const uint32_t bits = littleEndian(data, at, 4);
        std::memcpy(&value, &bits, sizeof value);
        if (std::isnan(value)) return 0;
        return static_cast<int16_t>(std::lround(std::clamp(value, -1.0f, 1.0f) * 32767.0f));
    }
    const int bytes = format.bits / 8;
    if (bytes == 1) return static_cast<int16_t>((static_cast<int>(static_cast<unsigned char>(data[at])) - 128) * 256);
    return static_cast<int16_t>(littleEndian(data, at + static_cast<size_t>(bytes - 2), 2));
}

tPcmSound decodeSamples(std::string_view data, const tWaveFormat& format)
{
    tPcmSound sound;
    sound.rate = format.rate;
    sound.channels = std::min(format.channels, 2);
    const size_t sampleBytes = static_cast<size_t>(format.bits / 8);
    const size_t frameBytes = sampleBytes * static_cast<size_t>(format.channels);
    const size_t frames = data.size() / frameBytes;
    sound.samples.reserve(frames * static_cast<size_t>(sound.channels));
    for (size_t frame = 0; frame < frames; ++frame)
        for (int channel = 0; channel < sound.channels; ++channel)
            sound.samples.push_back(sampleAt(data, frame * frameBytes + static_cast<size_t>(channel) * sampleBytes, format));
    return sound;
}

}  // namespace

std::optional<tPcmSound> decodeWave(std::string_view bytes)
{
    if (bytes.size() < 12 || bytes.substr(0, 4) != "RIFF" || bytes.substr(8, 4) != "WAVE") return std::nullopt;
    std::optional<tWaveFormat> format;
    size_t at = 12;
    while (at + 8 <= bytes.size()) {
        const std::string_view id = bytes.substr(at, 4);
        const size_t size = littleEndian(bytes, at + 4, 4);
        const std::string_view chunk = bytes.substr(at + 8, size);
        if (id == "fmt ") format = readFormat(chunk);
        if (id == "data") return format ? std::optional(decodeSamples(chunk, *format)) : std::nullopt;
        at += 8 + size + (size & 1);
    }
    return std::nullopt;
}
