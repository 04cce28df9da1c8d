#include "language/tExe2MemStream.h"

namespace {

std::span<const uint8_t> embeddedBytes(std::string_view name, const tEmbeddedDirectory& directory)
{
    if (name.empty())
        return directory.WholeFile();
    if (directory.State() == tEmbeddedDirectory::Status::corrupt)
        throw eStreamError("FileProblem");
    const tEmbeddedFile* file = directory.Find(name);
    if (!file)
        throw eStreamError("exe stream not found");
    return directory.BytesOf(*file);
}

}

tExe2MemStream::tExe2MemStream(std::string_view name, const tEmbeddedDirectory& directory)
    : tMemoryViewStream(embeddedBytes(name, directory))
{
}

int64_t tExe2MemStream::Write(const void*, int64_t)
{
    throw eStreamError("Cannot write to internal stream");
}

tcodedExe2MemStream::tcodedExe2MemStream(std::string_view name, uint32_t key, const tEmbeddedDirectory& directory)
    : tOwnedExe2MemStream{tExe2MemStream(name, directory)}, texecodedstream(memory, key)
{
}
