#pragma once

// The additive chaining filter of the dictionaries: every stored byte is the plain byte plus
// the running sum of the stored bytes before it, started from a random seed byte, so equal
// plain texts never look alike on disk.

#include "language/tStream.h"

class tcodedstream : public tStream {
public:
    enum Mode { reading = 0, writing = 1 };

    // Reading takes the seed from the stream's first byte, writing stores a random one;
    // any other mode starts both sums at 0 and has no seed byte.
    tcodedstream(tStream& stream, int mode);

    int64_t Read(void* buffer, int64_t count) override;
    int64_t Write(const void* buffer, int64_t count) override;
    int64_t Seek(int64_t offset, tSeekOrigin origin) override;
    int64_t Size() override { return stream.Size(); }

private:
    tStream& stream;
    uint8_t readSum = 0;
    uint8_t writeSum = 0;
};
