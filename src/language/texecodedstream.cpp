#include "language/texecodedstream.h"

texecodedstream::texecodedstream(tStream& stream, uint32_t key) : stream(stream), key(key)
{
    Reset();
}

void texecodedstream::Reset()
{
    state = key * 7919u;
    phase = 0;
}

void texecodedstream::Step()
{
    phase = (phase + 1) & 3;
    state = state * 541u + 3571u;
}

int64_t texecodedstream::Read(void* out, int64_t count)
{
    const int64_t n = stream.Read(out, count);
    auto* bytes = static_cast<uint8_t*>(out);
    for (int64_t i = 0; i < n; ++i) {
        bytes[i] = static_cast<uint8_t>(bytes[i] - KeyByte());
        Step();
    }
    return n;
}

int64_t texecodedstream::Write(const void* in, int64_t count)
{
    if (count < 0)
        return -1;
    if (buffer.size() < static_cast<size_t>(count))
        buffer.resize(static_cast<size_t>(count));
    const auto* plain = static_cast<const uint8_t*>(in);
    for (int64_t i = 0; i < count; ++i) {
        buffer[i] = static_cast<uint8_t>(plain[i] + KeyByte());
        Step();
    }
    return stream.Write(buffer.data(), count);
}

int64_t texecodedstream::Seek(int64_t offset, tSeekOrigin origin)
{
    const int64_t old = stream.Position();
    const int64_t target = stream.Seek(offset, origin);
    if (target < 0 || target == old)
        return target;
    checkpoints.emplace(old, state);
    if (target == keyOrigin) {
        Reset();
        return target;
    }
    auto nearest = checkpoints.upper_bound(target);
    int64_t from = keyOrigin;
    if (nearest == checkpoints.begin()) {
        // Before the start of a keystream restarted further on: count from 0 again.
        if (keyOrigin != 0)
            checkpoints.clear();
        keyOrigin = from = 0;
        Reset();
    } else {
        --nearest;
        from = nearest->first;
        state = nearest->second;
        phase = static_cast<int>((from - keyOrigin) & 3);
    }
    for (int64_t at = from; at < target; ++at)
        Step();
    checkpoints.emplace(target, state);
    return target;
}

int64_t texecodedstream::SeekAndReset(int64_t offset, tSeekOrigin origin)
{
    const int64_t target = stream.Seek(offset, origin);
    if (target < 0)
        return target;
    keyOrigin = target;
    checkpoints.clear();
    Reset();
    checkpoints.emplace(target, state);
    return target;
}
