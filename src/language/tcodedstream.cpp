#include "language/tcodedstream.h"

#include <random>
#include <vector>

tcodedstream::tcodedstream(tStream& stream, int mode) : stream(stream)
{
    if (mode == reading) {
        uint8_t seed = 0;
        if (stream.Read(&seed, 1) == 1)
            readSum = seed;
    } else if (mode == writing) {
        std::random_device entropy;
        const auto seed = static_cast<uint8_t>(entropy() & 0xFF);
        Write(&seed, 1);
    }
}

int64_t tcodedstream::Read(void* buffer, int64_t count)
{
    const int64_t n = stream.Read(buffer, count);
    if (n < 0)
        return -1;
    auto* bytes = static_cast<uint8_t*>(buffer);
    for (int64_t i = 0; i < n; ++i) {
        const uint8_t stored = bytes[i];
        bytes[i] = static_cast<uint8_t>(stored - readSum);
        readSum = static_cast<uint8_t>(readSum + stored);
    }
    return n;
}

int64_t tcodedstream::Write(const void* buffer, int64_t count)
{
    if (count < 0)
        return -1;
    const auto* plain = static_cast<const uint8_t*>(buffer);
    std::vector<uint8_t> stored(static_cast<size_t>(count));
    for (int64_t i = 0; i < count; ++i) {
        stored[i] = static_cast<uint8_t>(plain[i] + writeSum);
        writeSum = static_cast<uint8_t>(writeSum + stored[i]);
    }
    return stream.Write(stored.data(), count) == count ? count : -1;
}

int64_t tcodedstream::Seek(int64_t offset, tSeekOrigin origin)
{
    return stream.Seek(offset, origin);
}
