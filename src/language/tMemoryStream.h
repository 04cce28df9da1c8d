#pragma once

// Streams over bytes in memory: tMemoryStream owns a growable buffer (read and write),
// tMemoryViewStream reads bytes that belong to someone else and refuses writes.

#include "language/tStream.h"

#include <span>
#include <vector>

class tMemoryViewStream : public tStream {
public:
    explicit tMemoryViewStream(std::span<const uint8_t> bytes = {}) : bytes(bytes) {}

    int64_t Read(void* buffer, int64_t count) override;
    int64_t Write(const void* buffer, int64_t count) override;
    int64_t Seek(int64_t offset, tSeekOrigin origin) override;
    int64_t Size() override { return static_cast<int64_t>(bytes.size()); }

    std::span<const uint8_t> Bytes() const { return bytes; }

protected:
    void SetBytes(std::span<const uint8_t> newBytes);

private:
    std::span<const uint8_t> bytes;
    int64_t position = 0;
};

class tMemoryStream : public tStream {
public:
    tMemoryStream() = default;
    explicit tMemoryStream(std::vector<uint8_t> initial) : bytes(std::move(initial)) {}

    int64_t Read(void* buffer, int64_t count) override;
    int64_t Write(const void* buffer, int64_t count) override;
    int64_t Seek(int64_t offset, tSeekOrigin origin) override;
    int64_t Size() override { return static_cast<int64_t>(bytes.size()); }

    const std::vector<uint8_t>& Bytes() const { return bytes; }

private:
    std::vector<uint8_t> bytes;
    int64_t position = 0;
};

// The position a seek asks for within [0, size], or -1 when it falls outside.
int64_t seekTarget(int64_t position, int64_t size, int64_t offset, tSeekOrigin origin);
