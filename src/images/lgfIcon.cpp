#include "images/lgfIcon.h"

#include "images/bmpCodec.h"
#include "images/lgfChunks.h"
#include "images/zlibCoding.h"
#include "language/tStream.h"

namespace {

constexpr uint32_t kIcon = chunkTag("IC 1");
constexpr uint32_t kPackedIcon = chunkTag("ICZ1");

}  // namespace

QImage readIconChunk(tStream& stream)
{
    const int32_t count = chunkCount(stream, lpProbe);
    const int64_t end = streamEnd(stream);
    for (int32_t i = 0; i < count; ++i) {
        const tChunkHeader chunk = readChunkHeader(stream, end);
        if (chunk.tag == kIcon) {
            std::vector<uint8_t> file(static_cast<size_t>(chunk.length));
            stream.ReadExact(file.data(), chunk.length);
            return readBmp(file);
        }
        if (chunk.tag == kPackedIcon) {
            const int32_t size = stream.ReadInt32();
            return readBmp(inflateExactly(stream, chunk.End(), size));
        }
        seekTo(stream, chunk.End());
    }
    return {};
}

void writeIconChunk(tStream& stream, const QImage& bitmap, int level)
{
    if (bitmap.isNull()) return;
    const std::vector<uint8_t> file = writeBmp(bitmap);
    const int zlibLevel = zlibLevelOf(level);
    const int64_t start = beginChunk(stream);
    if (zlibLevel == 0) {
        stream.WriteExact(file.data(), static_cast<int64_t>(file.size()));
    } else {
        stream.WriteInt32(static_cast<int32_t>(file.size()));
        const std::vector<uint8_t> packed = deflateBytes(file, zlibLevel);
        stream.WriteExact(packed.data(), static_cast<int64_t>(packed.size()));
    }
    endChunk(stream, start, zlibLevel == 0 ? kIcon : kPackedIcon);
    countTopLevelChunk(stream);
}
