#pragma once

#include <cstdint>
#include <cstring>
#include <string_view>
#include <vector>

// Little-endian bytes written by hand, for files whose layout a test fixes byte by byte.
struct tByteBuilder {
    std::vector<uint8_t> bytes;

    tByteBuilder& u8(uint32_t value)
    {
        bytes.push_back(uint8_t(value));
        return *this;
    }
    tByteBuilder& u16(uint32_t value) { return u8(value).u8(value >> 8); }
    tByteBuilder& i32(int64_t value) { return u16(uint32_t(value) & 0xFFFF).u16(uint32_t(value) >> 16); }
    tByteBuilder& text(std::string_view text)
    {
        bytes.insert(bytes.end(), text.begin(), text.end());
        return *this;
    }
    tByteBuilder& f64(double value)
    {
        uint64_t bits;
        std::memcpy(&bits, &value, 8);
        return i32(int64_t(bits & 0xFFFFFFFF)).i32(int64_t(bits >> 32));
    }
    tByteBuilder& append(const std::vector<uint8_t>& more)
    {
        bytes.insert(bytes.end(), more.begin(), more.end());
        return *this;
    }
    // A chunk: tag, body length, body.
    tByteBuilder& chunk(std::string_view tag, const std::vector<uint8_t>& body)
    {
        return text(tag).i32(int64_t(body.size())).append(body);
    }
};
