#include "language/tEmbeddedDirectory.h"

#include "language/ProgramFile.h"
#include "language/StreamKeys.h"
#include "language/asciiText.h"
#include "language/tMemoryStream.h"
#include "language/texecodedstream.h"

#include <cstring>

tEmbeddedDirectory::tEmbeddedDirectory(const std::string& path) : mapping(std::make_unique<tMappedFile>(path))
{
    ReadDirectory();
}

const tEmbeddedDirectory& tEmbeddedDirectory::Program()
{
    static const tEmbeddedDirectory program(programPath());
    return program;
}

void tEmbeddedDirectory::ReadDirectory()
{
    const auto bytes = mapping->Bytes();
    const auto size = static_cast<int64_t>(bytes.size());
    programSize = size;
    if (size < 12)
        return;
    tMemoryViewStream view(bytes);
    texecodedstream coded(view, kEmbeddedDataKey);
    try {
        coded.SeekAndReset(size - 8, tSeekOrigin::begin);
        const int64_t entriesLength = coded.ReadInt32();
        char magic[4];
        coded.ReadExact(magic, 4);
        if (std::memcmp(magic, kEmbeddedMagic, 4) != 0)
            return;

        status = Status::corrupt;
        if (entriesLength < 0 || entriesLength > size - 12)
            return;
        const int64_t directoryStart = size - entriesLength - 12;
        coded.SeekAndReset(directoryStart, tSeekOrigin::begin);
        const int32_t count = coded.ReadInt32();
        if (count < 0 || count > entriesLength / 5)
            return;
        std::vector<tEmbeddedFile> found;
        int64_t total = 0;
        for (int32_t i = 0; i < count; ++i) {
            tEmbeddedFile file{{}, 0, 0};
            for (char c; (c = static_cast<char>(coded.ReadByte())) != '\0';)
                file.name += c;
            file.size = coded.ReadInt32();
            if (file.size < 0 || coded.Position() > size - 8)
                return;
            total += file.size;
            found.push_back(std::move(file));
        }
        if (coded.Position() != size - 8 || total > directoryStart)
            return;
        int64_t offset = directoryStart - total;
        for (tEmbeddedFile& file : found) {
            file.offset = offset;
            offset += file.size;
        }
        files = std::move(found);
        programSize = directoryStart - total;
        status = Status::ok;
    } catch (const eStreamError&) {
        files.clear();
    }
}

const tEmbeddedFile* tEmbeddedDirectory::Find(std::string_view name) const
{
    const std::string wanted = lowerAscii(name);
    for (const tEmbeddedFile& file : files)
        if (lowerAscii(file.name) == wanted)
            return &file;
    return nullptr;
}

std::span<const uint8_t> tEmbeddedDirectory::BytesOf(const tEmbeddedFile& file) const
{
    return mapping->Bytes().subspan(static_cast<size_t>(file.offset), static_cast<size_t>(file.size));
}

