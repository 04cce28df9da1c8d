#pragma once

// The byte stream every coded filter and memory view is layered on. Positions and sizes are
// 64-bit; Read and Write return the number of bytes moved, or -1 when the stream failed.

#include <cstdint>
#include <stdexcept>
#include <string>

enum class tSeekOrigin { begin, current, end };

// Raised by streams that cannot do what was asked (a write to a read-only program stream,
// a missing embedded file); the text is the message shown to the user.
class eStreamError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class tStream {
public:
    virtual ~tStream() = default;

    virtual int64_t Read(void* buffer, int64_t count) = 0;
    virtual int64_t Write(const void* buffer, int64_t count) = 0;
    // The new position, or -1 when it cannot be reached.
    virtual int64_t Seek(int64_t offset, tSeekOrigin origin) = 0;
    virtual int64_t Size();

    int64_t Position() { return Seek(0, tSeekOrigin::current); }

    // Whole-buffer transfers and the little-endian integers of the file formats;
    // a short read or write raises eStreamError.
    void ReadExact(void* buffer, int64_t count);
    void WriteExact(const void* buffer, int64_t count);
    uint8_t ReadByte();
    int32_t ReadInt32();
    void WriteByte(uint8_t value);
    void WriteInt32(int32_t value);
};
