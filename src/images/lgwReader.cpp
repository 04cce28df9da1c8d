#include "images/lgwReader.h"

#include <vector>

#include "images/bmpCodec.h"
#include "images/lgfChunks.h"
#include "images/tLogoImage.h"
#include "language/tStream.h"

namespace {

constexpr int64_t kLongHeaderSize = 14;
constexpr int64_t kShortHeaderSize = 8;

uint16_t readU16(tStream& stream)
{
    uint8_t bytes[2];
    stream.ReadExact(bytes, 2);
    return static_cast<uint16_t>(bytes[0] | bytes[1] << 8);
}

struct tRecordHeader {
    int64_t size = 0;
    int32_t hotX = 0;
    int32_t hotY = 0;
    int64_t colourSize = 0;
};

tRecordHeader readHeader(tStream& stream, bool shortRecords)
{
    tRecordHeader header;
    uint8_t unused[2];
    if (shortRecords) {
        header.size = readU16(stream);
        header.hotX = static_cast<int8_t>(stream.ReadByte());
        header.hotY = static_cast<int8_t>(stream.ReadByte());
        stream.ReadExact(unused, 2);
        header.colourSize = readU16(stream);
    } else {
        header.size = stream.ReadInt32();
        header.hotX = static_cast<int16_t>(readU16(stream));
        header.hotY = static_cast<int16_t>(readU16(stream));
        stream.ReadExact(unused, 2);
        header.colourSize = stream.ReadInt32();
    }
    return header;
}

QImage readBitmap(tStream& stream, int64_t size, int64_t end)
{
    if (size < 0 || stream.Position() + size > end) throw eStreamError("Stream read error");
    std::vector<uint8_t> file(static_cast<size_t>(size));
    stream.ReadExact(file.data(), size);
    return readBmp(file);
}

}  // namespace

void readLgwImage(tLogoImage& image, tStream& stream, bool firstOnly)
{
    const int64_t end = streamEnd(stream);
    seekTo(stream, 0);
    int32_t count = readU16(stream);
    const uint16_t probe = readU16(stream);
    const bool shortRecords = probe != 0;
    if (shortRecords) seekTo(stream, 2);
    const int64_t headerSize = shortRecords ? kShortHeaderSize : kLongHeaderSize;
    if (firstOnly && count > 1) count = 1;

    std::vector<tFrameRef> frames;
    for (int32_t i = 0; i < count; ++i) {
        const tRecordHeader header = readHeader(stream, shortRecords);
        tLogoPicture picture;
        picture.hotX = header.hotX;
        picture.hotY = header.hotY;
        picture.colour = readBitmap(stream, header.colourSize, end);
        const int64_t maskSize = header.size - header.colourSize - headerSize;
        if (maskSize > 0) {
            const QImage mask = readBitmap(stream, maskSize, end);
            if (mask.size() == picture.colour.size() && !mask.isNull()) picture.mask = maskFromBitmap(mask);
        }
        frames.push_back(makeFrame({picture}));
    }
    image.frames = std::move(frames);
    image.style = tLogoImage::styleHeading;
}
