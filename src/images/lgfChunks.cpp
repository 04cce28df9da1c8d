#include "images/lgfChunks.h"

#include <string_view>

#include "language/tStream.h"
#include "values/eLogoException.h"

namespace {

bool isDigit(uint8_t c) { return c >= '0' && c <= '9'; }

void writeTag(tStream& stream, uint32_t tag)
{
    const uint8_t bytes[4] = {uint8_t(tag), uint8_t(tag >> 8), uint8_t(tag >> 16), uint8_t(tag >> 24)};
    stream.WriteExact(bytes, 4);
}

[[noreturn]] void damaged() { throw eStreamError("Stream read error"); }

}  // namespace

int checkLgfHeader(tStream& stream, tLgfPurpose purpose)
{
    uint8_t head[5];
    int result = 0;
    if (stream.Seek(0, tSeekOrigin::begin) == 0 && stream.Read(head, 5) == 5 && isDigit(head[3]) &&
        isDigit(head[4])) {
        const std::string_view magic(reinterpret_cast<const char*>(head), 3);
        const int version = 10 * (head[3] - '0') + (head[4] - '0');
        if (magic == "LGF") {
            if (version > 5 && purpose != lpProbe)
                throw eLogoException(erImageFileVersion, std::string_view(purpose == lpImageFile ? ".LGF" : ".ZXP"));
            if (version == 4 || version == 5) result = version;
        } else if (magic == "ZXK" && purpose != lpProbe) {
            throw eLogoException(erPackage);
        }
    }
    if (purpose == lpImageFile && result == 0) throw eLogoException(erImageFile, std::string_view(".LGF"));
    return result;
}

int32_t chunkCount(tStream& stream, tLgfPurpose purpose)
{
    return checkLgfHeader(stream, purpose) ? stream.ReadInt32() : 0;
}

void writeLgfHeader(tStream& stream, int version)
{
    const char head[5] = {'L', 'G', 'F', char('0' + version / 10), char('0' + version % 10)};
    stream.WriteExact(head, 5);
    stream.WriteInt32(0);
}

tChunkHeader readChunkHeader(tStream& stream, int64_t limit)
{
    tChunkHeader header;
    const int64_t start = stream.Position();
    if (start < 0 || start + kChunkHeaderSize > limit) damaged();
    header.tag = static_cast<uint32_t>(stream.ReadInt32());
    header.length = stream.ReadInt32();
    header.bodyStart = start + kChunkHeaderSize;
    if (header.length < 0 || header.End() > limit) damaged();
    return header;
}

void seekTo(tStream& stream, int64_t position)
{
    if (stream.Seek(position, tSeekOrigin::begin) != position) damaged();
}

int64_t streamEnd(tStream& stream) { return stream.Size(); }

void checkCount(tStream& stream, int32_t count, int64_t itemSize, int64_t limit)
{
    if (count < 0 || stream.Position() + int64_t(count) * itemSize > limit) damaged();
}

int64_t beginChunk(tStream& stream)
{
    const int64_t start = stream.Position();
    // Written rather than skipped: a stream need not seek past its end.
    const uint8_t reserved[kChunkHeaderSize] = {};
    stream.WriteExact(reserved, kChunkHeaderSize);
    return start;
}

void endChunk(tStream& stream, int64_t start, uint32_t tag)
{
    const int64_t end = stream.Position();
    seekTo(stream, start);
    writeTag(stream, tag);
    stream.WriteInt32(static_cast<int32_t>(end - start - kChunkHeaderSize));
    seekTo(stream, end);
}

void countTopLevelChunk(tStream& stream)
{
    const int64_t here = stream.Position();
    seekTo(stream, kLgfCountOffset);
    const int32_t count = stream.ReadInt32();
    seekTo(stream, kLgfCountOffset);
    stream.WriteInt32(count + 1);
    seekTo(stream, here);
}
