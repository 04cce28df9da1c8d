#include "language/tStream.h"

int64_t tStream::Size()
{
    const int64_t here = Position();
    const int64_t size = Seek(0, tSeekOrigin::end);
    Seek(here, tSeekOrigin::begin);
    return size;
}

void tStream::ReadExact(void* buffer, int64_t count)
{
    if (Read(buffer, count) != count)
        throw eStreamError("Stream read error");
}

void tStream::WriteExact(const void* buffer, int64_t count)
{
    if (Write(buffer, count) != count)
        throw eStreamError("Stream write error");
}

uint8_t tStream::ReadByte()
{
    uint8_t value;
    ReadExact(&value, 1);
    return value;
}

int32_t tStream::ReadInt32()
{
    uint8_t bytes[4];
    ReadExact(bytes, 4);
    const uint32_t value = uint32_t(bytes[0]) | uint32_t(bytes[1]) << 8 | uint32_t(bytes[2]) << 16 |
                           uint32_t(bytes[3]) << 24;
    return static_cast<int32_t>(value);
}

void tStream::WriteByte(uint8_t value)
{
    WriteExact(&value, 1);
}

void tStream::WriteInt32(int32_t value)
{
    const auto bits = static_cast<uint32_t>(value);
    const uint8_t bytes[4] = {uint8_t(bits), uint8_t(bits >> 8), uint8_t(bits >> 16), uint8_t(bits >> 24)};
    WriteExact(bytes, 4);
}
