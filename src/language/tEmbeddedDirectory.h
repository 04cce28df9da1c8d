#pragma once

// The files appended to the end of a program file, found through the directory and trailer
// behind them (all little-endian, coded with the embedded-data key):
//   program | files back to back | int32 N, N x (name NUL, int32 size) | int32 D, "XZEM"
// D is the length of the N entries. Each file is coded on its own, from its first byte.

#include "language/tMappedFile.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

struct tEmbeddedFile {
    std::string name;
    int64_t offset;
    int64_t size;
};

class tEmbeddedDirectory {
public:
    enum class Status {
        noFiles,   // no trailer: a program as the linker made it
        ok,
        corrupt,   // a trailer whose directory does not fit the file
    };

    // Maps the file (mapping failures raise eStreamError) and reads its directory.
    explicit tEmbeddedDirectory(const std::string& path);

    // The running program's own directory, read once.
    static const tEmbeddedDirectory& Program();

    Status State() const { return status; }
    const std::vector<tEmbeddedFile>& Files() const { return files; }
    // The file of that name, compared without regard to case; nullptr when absent.
    const tEmbeddedFile* Find(std::string_view name) const;
    std::span<const uint8_t> BytesOf(const tEmbeddedFile& file) const;
    std::span<const uint8_t> WholeFile() const { return mapping->Bytes(); }
    // Where the program ends and the embedded files begin.
    int64_t ProgramSize() const { return programSize; }

private:
    void ReadDirectory();

    std::unique_ptr<tMappedFile> mapping;
    Status status = Status::noFiles;
    std::vector<tEmbeddedFile> files;
    int64_t programSize = 0;
};

inline constexpr char kEmbeddedMagic[4] = {'X', 'Z', 'E', 'M'};
