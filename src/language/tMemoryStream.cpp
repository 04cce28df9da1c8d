#include "language/tMemoryStream.h"

#include <algorithm>
#include <cstring>

namespace {

int64_t readAt(std::span<const uint8_t> bytes, int64_t& position, void* buffer, int64_t count)
{
    if (count < 0)
        return -1;
    const int64_t n = std::min(count, static_cast<int64_t>(bytes.size()) - position);
    if (n > 0)
        std::memcpy(buffer, bytes.data() + position, static_cast<size_t>(n));
    position += n;
    return n;
}

}

int64_t seekTarget(int64_t position, int64_t size, int64_t offset, tSeekOrigin origin)
{
    const int64_t base = origin == tSeekOrigin::begin ? 0 : origin == tSeekOrigin::current ? position : size;
    const int64_t target = base + offset;
    return target < 0 || target > size ? -1 : target;
}

int64_t tMemoryViewStream::Read(void* buffer, int64_t count)
{
    return readAt(bytes, position, buffer, count);
}

int64_t tMemoryViewStream::Write(const void*, int64_t)
{
    return -1;
}

int64_t tMemoryViewStream::Seek(int64_t offset, tSeekOrigin origin)
{
    const int64_t target = seekTarget(position, Size(), offset, origin);
    if (target >= 0)
        position = target;
    return target;
}

void tMemoryViewStream::SetBytes(std::span<const uint8_t> newBytes)
{
    bytes = newBytes;
    position = 0;
}

int64_t tMemoryStream::Read(void* buffer, int64_t count)
{
    return readAt(bytes, position, buffer, count);
}

int64_t tMemoryStream::Write(const void* buffer, int64_t count)
{
    if (count < 0)
        return -1;
    const auto end = static_cast<size_t>(position + count);
    if (end > bytes.size())
        bytes.resize(end);
    if (count > 0)
        std::memcpy(bytes.data() + position, buffer, static_cast<size_t>(count));
    position += count;
    return count;
}

int64_t tMemoryStream::Seek(int64_t offset, tSeekOrigin origin)
{
    const int64_t target = seekTarget(position, Size(), offset, origin);
    if (target >= 0)
        position = target;
    return target;
}
