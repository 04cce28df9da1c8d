#include "language/EmbeddedFileWriter.h"

#include "language/StreamKeys.h"
#include "language/asciiText.h"
#include "language/tEmbeddedDirectory.h"
#include "language/tFileStream.h"
#include "language/tMemoryStream.h"
#include "language/texecodedstream.h"

#include <vector>

namespace {

std::vector<uint8_t> coded(std::span<const uint8_t> plain, uint32_t key)
{
    tMemoryStream out;
    texecodedstream filter(out, key);
    filter.WriteExact(plain.data(), static_cast<int64_t>(plain.size()));
    return out.Bytes();
}

struct tKeptFile {
    std::string name;
    std::vector<uint8_t> codedBytes;
};

}

void appendEmbeddedFile(const std::string& programPath, const std::string& name, std::span<const uint8_t> plain,
                        uint32_t key)
{
    std::vector<tKeptFile> files;
    int64_t programSize;
    {
        const tEmbeddedDirectory existing(programPath);
        if (existing.State() == tEmbeddedDirectory::Status::corrupt)
            throw eStreamError("The file is corrupt " + programPath);
        programSize = existing.ProgramSize();
        for (const tEmbeddedFile& file : existing.Files()) {
            if (lowerAscii(file.name) == lowerAscii(name))
                continue;
            const auto bytes = existing.BytesOf(file);
            files.push_back({file.name, {bytes.begin(), bytes.end()}});
        }
    }
    files.push_back({name, coded(plain, key)});

    tMemoryStream entries;
    for (const tKeptFile& file : files) {
        entries.WriteExact(file.name.data(), static_cast<int64_t>(file.name.size()));
        entries.WriteByte(0);
        entries.WriteInt32(static_cast<int32_t>(file.codedBytes.size()));
    }
    tMemoryStream directory;
    directory.WriteInt32(static_cast<int32_t>(files.size()));
    directory.WriteExact(entries.Bytes().data(), entries.Size());
    tMemoryStream trailer;
    trailer.WriteInt32(static_cast<int32_t>(entries.Size()));
    trailer.WriteExact(kEmbeddedMagic, 4);

    tFileStream out(programPath, tFileStream::openReadWrite);
    if (out.Seek(programSize, tSeekOrigin::begin) != programSize)
        throw eStreamError("Cannot write " + programPath);
    for (const tKeptFile& file : files)
        out.WriteExact(file.codedBytes.data(), static_cast<int64_t>(file.codedBytes.size()));
    for (const auto& part : {coded(directory.Bytes(), kEmbeddedDataKey), coded(trailer.Bytes(), kEmbeddedDataKey)})
        out.WriteExact(part.data(), static_cast<int64_t>(part.size()));
    if (!out.Truncate())
        throw eStreamError("Cannot write " + programPath);
}
