#include "images/zlibCoding.h"

#include <zlib.h>

#include <algorithm>
#include <string>

#include "language/tStream.h"

namespace {

constexpr size_t kPiece = 64 * 1024;

[[noreturn]] void zlibFailed(const z_stream& z, int result)
{
    const char* text = z.msg ? z.msg : zError(result);
    throw eStreamError(std::string("zlib: ") + (text ? text : "error"));
}

// Ends the zlib stream whatever way the caller leaves.
struct tInflater {
    z_stream z{};
    tInflater()
    {
        if (inflateInit(&z) != Z_OK) zlibFailed(z, Z_MEM_ERROR);
    }
    ~tInflater() { inflateEnd(&z); }
};

}  // namespace

int zlibLevelOf(int storedLevel)
{
    switch (storedLevel) {
    case 1: return 1;
    case 2: return Z_DEFAULT_COMPRESSION;
    case 3: return 9;
    default: return 0;
    }
}

std::vector<uint8_t> deflateBytes(std::span<const uint8_t> plain, int zlibLevel)
{
    uLongf size = compressBound(static_cast<uLong>(plain.size()));
    std::vector<uint8_t> packed(size);
    const int result = compress2(packed.data(), &size, plain.data(), static_cast<uLong>(plain.size()), zlibLevel);
    if (result != Z_OK) throw eStreamError(std::string("zlib: ") + zError(result));
    packed.resize(size);
    return packed;
}

std::vector<uint8_t> inflateExactly(tStream& stream, int64_t end, int32_t size)
{
    if (size < 0) throw eStreamError("zlib: invalid inflated size");
    std::vector<uint8_t> plain;
    std::vector<uint8_t> input(kPiece);
    tInflater inflater;
    z_stream& z = inflater.z;
    int result = Z_OK;
    while (plain.size() < static_cast<size_t>(size) && result != Z_STREAM_END) {
        if (z.avail_in == 0) {
            const int64_t left = end - stream.Position();
            const int64_t count = std::min<int64_t>(left, static_cast<int64_t>(kPiece));
            if (count <= 0) throw eStreamError("zlib: unexpected end of data");
            stream.ReadExact(input.data(), count);
            z.next_in = input.data();
            z.avail_in = static_cast<uInt>(count);
        }
        const size_t done = plain.size();
        const size_t room = std::min(kPiece, static_cast<size_t>(size) - done);
        plain.resize(done + room);
        z.next_out = plain.data() + done;
        z.avail_out = static_cast<uInt>(room);
        const uInt inputBefore = z.avail_in;
        result = inflate(&z, Z_NO_FLUSH);
        plain.resize(done + room - z.avail_out);
        const bool stuck = result == Z_BUF_ERROR && z.avail_in == inputBefore && z.avail_in > 0 &&
                           plain.size() == done;
        if ((result != Z_OK && result != Z_STREAM_END && result != Z_BUF_ERROR) || stuck) zlibFailed(z, result);
    }
    if (plain.size() != static_cast<size_t>(size)) throw eStreamError("zlib: unexpected end of data");
    return plain;
}
