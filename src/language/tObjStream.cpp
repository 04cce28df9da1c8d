#include "language/tObjStream.h"

tObjStream::tObjStream(std::span<const uint8_t> block)
{
    tMemoryViewStream prefix(block);
    const int32_t length = prefix.ReadInt32();
    if (length < 0 || static_cast<size_t>(length) > block.size() - 4)
        throw eStreamError("Stream read error");
    SetBytes(block.subspan(4, static_cast<size_t>(length)));
}
