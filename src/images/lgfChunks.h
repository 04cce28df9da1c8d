#pragma once

#include <cstdint>

class tStream;

// The LGF container's frame: a 9-byte header ("LGF", two version digits, the int32 count of
// top-level chunks) and chunks of a 4-byte tag, an int32 body length and the body. Writers
// reserve a chunk's header, write its body and back-patch tag and length; readers walk chunks
// and skip each by its length.

// Tags are four ASCII bytes compared as one little-endian 32-bit value.
constexpr uint32_t chunkTag(const char (&text)[5])
{
    return uint32_t(uint8_t(text[0])) | uint32_t(uint8_t(text[1])) << 8 | uint32_t(uint8_t(text[2])) << 16 |
           uint32_t(uint8_t(text[3])) << 24;
}

constexpr int64_t kLgfHeaderSize = 9;
constexpr int64_t kLgfCountOffset = 5;
constexpr int64_t kChunkHeaderSize = 8;

// Who asks for the header check: a probe never fails, an image or a project file raises the
// errors of a wrong or newer file.
enum tLgfPurpose { lpProbe = 0, lpImageFile = 1, lpProjectFile = 2 };

// 4 or 5 for a valid header, the stream then at offset 5; else 0. See lgfChunks.cpp for the
// errors by purpose.
int checkLgfHeader(tStream& stream, tLgfPurpose purpose);
// The count of top-level chunks (stream at offset 9), or 0 for a stream that is not LGF.
int32_t chunkCount(tStream& stream, tLgfPurpose purpose);
void writeLgfHeader(tStream& stream, int version);

struct tChunkHeader {
    uint32_t tag = 0;
    int32_t length = 0;
    int64_t bodyStart = 0;

    int64_t End() const { return bodyStart + length; }
};

// Reads the header of the chunk at the stream's position. Its body must end at or before
// `limit` (the end of the enclosing chunk or of the stream): a longer or negative length is a
// damaged file and raises the stream's read error.
tChunkHeader readChunkHeader(tStream& stream, int64_t limit);
// Seeks or raises the stream's read error.
void seekTo(tStream& stream, int64_t position);
// The end of the stream's data, for the limit of top-level chunks.
int64_t streamEnd(tStream& stream);
// Raises the stream's read error unless `count` items of at least `itemSize` bytes each can
// still fit before `limit`, so a damaged count never makes a reader allocate or loop for long.
void checkCount(tStream& stream, int32_t count, int64_t itemSize, int64_t limit);

// Reserves a chunk header at the current position and returns where it starts.
int64_t beginChunk(tStream& stream);
// Back-patches the header reserved at `start` and returns to the end of the body.
void endChunk(tStream& stream, int64_t start, uint32_t tag);
// Adds one to the count of top-level chunks, keeping the stream's position.
void countTopLevelChunk(tStream& stream);
