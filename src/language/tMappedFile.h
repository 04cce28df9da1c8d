#pragma once

// A file mapped read-only into memory (the running program's own file, mostly).

#include <cstdint>
#include <span>
#include <string>

class tMappedFile {
public:
    // Raises eStreamError "exe stream error 1 <path>" when the file cannot be opened,
    // "exe stream error 2" when its size cannot be had, "exe stream error 3" when it cannot be mapped.
    explicit tMappedFile(const std::string& path);
    ~tMappedFile();
    tMappedFile(const tMappedFile&) = delete;
    tMappedFile& operator=(const tMappedFile&) = delete;

    std::span<const uint8_t> Bytes() const { return {data, size}; }
    const std::string& Path() const { return path; }

private:
    std::string path;
    const uint8_t* data = nullptr;
    size_t size = 0;
};
