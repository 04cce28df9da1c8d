#include "images/lgfText.h"

#include "images/lgfChunks.h"
#include "language/tStream.h"

namespace {

constexpr uint32_t kText = chunkTag("TX 1");
constexpr uint32_t kPackedText = chunkTag("TXZ1");
constexpr uint32_t kLanguage = chunkTag("LA 1");

}  // namespace

int32_t findTextChunk(tStream& stream, int32_t index)
{
    seekTo(stream, kLgfCountOffset);
    const int32_t count = stream.ReadInt32();
    const int64_t end = streamEnd(stream);
    for (int32_t i = 0; i < count; ++i) {
        const tChunkHeader chunk = readChunkHeader(stream, end);
        if (chunk.tag == kText || chunk.tag == kPackedText) {
            if (index <= 0) return chunk.tag == kText ? chunk.length : -chunk.length;
            --index;
        }
        seekTo(stream, chunk.End());
    }
    return 0;
}

std::string readLanguageChunk(tStream& stream)
{
    if (!checkLgfHeader(stream, lpProbe)) return "*";
    const int32_t count = stream.ReadInt32();
    const int64_t end = streamEnd(stream);
    for (int32_t i = 0; i < count; ++i) {
        const tChunkHeader chunk = readChunkHeader(stream, end);
        if (chunk.tag == kLanguage) {
            std::string name(static_cast<size_t>(chunk.length), '\0');
            stream.ReadExact(name.data(), chunk.length);
            return name;
        }
        seekTo(stream, chunk.End());
    }
    return {};
}

int64_t beginProjectStream(tStream& stream, std::string_view language)
{
    const bool english = language.empty() || language == "english";
    writeLgfHeader(stream, english ? 4 : 5);
    if (!english) {
        const int64_t start = beginChunk(stream);
        stream.WriteExact(language.data(), static_cast<int64_t>(language.size()));
        endChunk(stream, start, kLanguage);
        countTopLevelChunk(stream);
    }
    return beginChunk(stream) + kChunkHeaderSize;
}

void closeTextChunk(tStream& stream, int64_t bodyStart, bool compressed)
{
    endChunk(stream, bodyStart - kChunkHeaderSize, compressed ? kPackedText : kText);
    countTopLevelChunk(stream);
}
