#pragma once

// A stream over a file on disk.

#include "language/tStream.h"

#include <cstdio>
#include <string>

class tFileStream : public tStream {
public:
    enum Mode { openRead, create, openReadWrite };

    // Raises eStreamError when the file cannot be opened.
    tFileStream(const std::string& path, Mode mode);
    ~tFileStream() override;
    tFileStream(const tFileStream&) = delete;
    tFileStream& operator=(const tFileStream&) = delete;

    int64_t Read(void* buffer, int64_t count) override;
    int64_t Write(const void* buffer, int64_t count) override;
    int64_t Seek(int64_t offset, tSeekOrigin origin) override;

    // Cuts the file at the current position.
    bool Truncate();

private:
    std::FILE* file = nullptr;
};

// The whole content of a file; false when it cannot be read.
bool readWholeFile(const std::string& path, std::string& content);
