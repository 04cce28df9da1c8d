#pragma once

// The keyed, position-dependent filter of project files and embedded files. A 32-bit generator
// started from the key yields one key byte per stream position, added on writing and
// subtracted on reading. Seeks replay the generator from the nearest checkpoint, so any seek
// gives the same bytes as reading from the start, and going back costs nothing.

#include "language/tStream.h"

#include <map>
#include <vector>

class texecodedstream : public tStream {
public:
    texecodedstream(tStream& stream, uint32_t key);

    int64_t Read(void* buffer, int64_t count) override;
    int64_t Write(const void* buffer, int64_t count) override;
    int64_t Seek(int64_t offset, tSeekOrigin origin) override;
    int64_t Size() override { return stream.Size(); }

    // Seeks the underlying stream and starts the keystream afresh at the new position
    // (the directory and the trailer of embedded files are coded that way).
    int64_t SeekAndReset(int64_t offset, tSeekOrigin origin);

private:
    uint8_t KeyByte() const { return static_cast<uint8_t>(state >> (8 * phase)); }
    void Step();
    void Reset();

    tStream& stream;
    uint32_t key;
    uint32_t state = 0;
    int phase = 0;
    int64_t keyOrigin = 0;                  // where the current keystream started
    std::map<int64_t, uint32_t> checkpoints;  // position -> generator state there
    std::vector<uint8_t> buffer;
};
