#include "images/lgfImages.h"

#include <bit>
#include <cstring>

#include "images/bmpCodec.h"
#include "images/lgfChunks.h"
#include "images/zlibCoding.h"
#include "language/tMemoryStream.h"
#include "language/tStream.h"

namespace {

constexpr uint32_t kImage = chunkTag("IM 1");
constexpr uint32_t kPackedImage = chunkTag("IMZ1");
constexpr uint32_t kFrameSet = chunkTag("FS 1");
constexpr uint32_t kPictureInfo = chunkTag("F  1");
constexpr uint32_t kPictureImage = chunkTag("FI 1");
constexpr uint32_t kPictureMask = chunkTag("FM 1");
constexpr int64_t kRecordHeaderSize = 14;
constexpr int64_t kPictureInfoSize = 12;

void writeDouble(tStream& stream, double value)
{
    const auto bits = std::bit_cast<uint64_t>(value);
    stream.WriteInt32(static_cast<int32_t>(bits & 0xFFFFFFFF));
    stream.WriteInt32(static_cast<int32_t>(bits >> 32));
}

double readDouble(tStream& stream)
{
    const auto low = static_cast<uint32_t>(stream.ReadInt32());
    const auto high = static_cast<uint32_t>(stream.ReadInt32());
    return std::bit_cast<double>(uint64_t(high) << 32 | low);
}

void writeBytesChunk(tStream& stream, uint32_t tag, const std::vector<uint8_t>& bytes)
{
    const int64_t start = beginChunk(stream);
    stream.WriteExact(bytes.data(), static_cast<int64_t>(bytes.size()));
    endChunk(stream, start, tag);
}

void writePicture(tStream& stream, const tLogoPicture& picture)
{
    stream.WriteInt32(1 + (picture.HasImage() ? 1 : 0) + (picture.HasMask() ? 1 : 0));
    const int64_t info = beginChunk(stream);
    stream.WriteInt32(picture.hotX);
    stream.WriteInt32(picture.hotY);
    stream.WriteInt32(picture.delay);
    endChunk(stream, info, kPictureInfo);
    if (picture.HasImage()) writeBytesChunk(stream, kPictureImage, writeBmp(picture.colour));
    if (picture.HasMask()) writeBytesChunk(stream, kPictureMask, writeMaskBmp(picture.mask));
}

void writeRecord(tStream& stream, const tLogoImage& image)
{
    writeDouble(stream, static_cast<double>(image.zeroAngle));
    stream.WriteByte(image.loop ? 1 : 0);
    stream.WriteByte(image.style);
    stream.WriteInt32(image.Count());
    for (const tFrameRef& frame : image.frames) {
        stream.WriteInt32(1);
        const int64_t set = beginChunk(stream);
        stream.WriteInt32(frame->Count());
        for (const tLogoPicture& picture : frame->pictures) writePicture(stream, picture);
        endChunk(stream, set, kFrameSet);
    }
}

std::vector<uint8_t> readBody(tStream& stream, const tChunkHeader& chunk)
{
    std::vector<uint8_t> body(static_cast<size_t>(chunk.length));
    stream.ReadExact(body.data(), chunk.length);
    return body;
}

tLogoPicture readPicture(tStream& stream, int64_t limit)
{
    tLogoPicture picture;
    const int32_t count = stream.ReadInt32();
    checkCount(stream, count, kChunkHeaderSize, limit);
    bool seenInfo = false, seenImage = false, seenMask = false;
    QImage mask;
    for (int32_t i = 0; i < count; ++i) {
        const tChunkHeader chunk = readChunkHeader(stream, limit);
        if (chunk.tag == kPictureInfo && !seenInfo) {
            seenInfo = true;
            if (chunk.length < kPictureInfoSize) throw eStreamError("Stream read error");
            picture.hotX = stream.ReadInt32();
            picture.hotY = stream.ReadInt32();
            picture.delay = stream.ReadInt32();
        } else if (chunk.tag == kPictureImage && !seenImage) {
            seenImage = true;
            picture.colour = readBmp(readBody(stream, chunk));
        } else if (chunk.tag == kPictureMask && !seenMask) {
            seenMask = true;
            mask = readBmp(readBody(stream, chunk));
        }
        seekTo(stream, chunk.End());
    }
    // A mask that does not cover the colour bitmap exactly cannot say which of its pixels show.
    if (!mask.isNull() && mask.size() == picture.colour.size()) picture.mask = maskFromBitmap(mask);
    return picture;
}

tFrameRef readFrame(tStream& stream, int64_t limit, bool firstOnly)
{
    const int32_t count = stream.ReadInt32();
    checkCount(stream, count, kChunkHeaderSize, limit);
    std::vector<tLogoPicture> pictures;
    bool seenSet = false;
    for (int32_t i = 0; i < count; ++i) {
        const tChunkHeader chunk = readChunkHeader(stream, limit);
        if (chunk.tag == kFrameSet && !seenSet) {
            seenSet = true;
            int32_t pictureCount = stream.ReadInt32();
            checkCount(stream, pictureCount, 4, chunk.End());
            if (firstOnly && pictureCount > 1) pictureCount = 1;
            for (int32_t p = 0; p < pictureCount; ++p) pictures.push_back(readPicture(stream, chunk.End()));
        }
        seekTo(stream, chunk.End());
    }
    return makeFrame(std::move(pictures));
}

void readRecord(tLogoImage& image, tStream& stream, int64_t limit, bool firstOnly)
{
    if (stream.Position() + kRecordHeaderSize > limit) throw eStreamError("Stream read error");
    image.zeroAngle = readDouble(stream);
    image.loop = stream.ReadByte() != 0;
    image.style = stream.ReadByte();
    int32_t count = stream.ReadInt32();
    checkCount(stream, count, 4, limit);
    if (firstOnly && count > 1) count = 1;
    for (int32_t i = 0; i < count; ++i) image.frames.push_back(readFrame(stream, limit, firstOnly));
}

}  // namespace

void appendImageChunk(const tLogoImage& image, tStream& stream, int level)
{
    if (stream.Size() == 0) {
        writeLgfHeader(stream, 4);
    } else {
        const int64_t here = stream.Position();
        checkLgfHeader(stream, lpImageFile);
        seekTo(stream, here);
    }
    const int64_t start = beginChunk(stream);
    const int zlibLevel = zlibLevelOf(level);
    if (zlibLevel == 0) {
        writeRecord(stream, image);
    } else {
        tMemoryStream record;
        writeRecord(record, image);
        stream.WriteInt32(static_cast<int32_t>(record.Size()));
        const std::vector<uint8_t> packed = deflateBytes(record.Bytes(), zlibLevel);
        stream.WriteExact(packed.data(), static_cast<int64_t>(packed.size()));
    }
    endChunk(stream, start, zlibLevel == 0 ? kImage : kPackedImage);
    countTopLevelChunk(stream);
}

bool readImageChunk(tLogoImage& image, tStream& stream, bool firstOnly, int32_t& skip)
{
    const tChunkHeader chunk = readChunkHeader(stream, streamEnd(stream));
    bool read = false;
    if (chunk.tag == kImage || chunk.tag == kPackedImage) {
        if (skip > 0) {
            --skip;
        } else {
            tLogoImage loaded;
            if (chunk.tag == kImage) {
                readRecord(loaded, stream, chunk.End(), firstOnly);
            } else {
                const int32_t size = stream.ReadInt32();
                tMemoryStream record(inflateExactly(stream, chunk.End(), size));
                readRecord(loaded, record, record.Size(), firstOnly);
            }
            image.frames = std::move(loaded.frames);
            image.CopyInfo(loaded);
            read = true;
        }
    }
    seekTo(stream, chunk.End());
    return read;
}

void readImageFile(tLogoImage& image, tStream& stream, bool firstOnly, int32_t index)
{
    checkLgfHeader(stream, lpImageFile);
    const int32_t count = stream.ReadInt32();
    int32_t skip = index;
    for (int32_t i = 0; i < count; ++i)
        if (readImageChunk(image, stream, firstOnly, skip)) return;
}

std::vector<tLogoRef<tLogoImage>> readImageList(tStream& stream, int32_t count)
{
    std::vector<tLogoRef<tLogoImage>> images;
    seekTo(stream, kLgfHeaderSize);
    for (int32_t i = 0; i < count; ++i) {
        tLogoRef<tLogoImage> image(new tLogoImage);
        int32_t skip = 0;
        if (readImageChunk(*image, stream, false, skip)) images.insert(images.begin(), image);
    }
    return images;
}
