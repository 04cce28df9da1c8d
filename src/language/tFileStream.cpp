#include "language/tFileStream.h"

#include <unistd.h>

tFileStream::tFileStream(const std::string& path, Mode mode)
{
    const char* how = mode == openRead ? "rb" : mode == create ? "w+b" : "r+b";
    file = std::fopen(path.c_str(), how);
    if (!file)
        throw eStreamError("Cannot open file " + path);
}

tFileStream::~tFileStream()
{
    std::fclose(file);
}

int64_t tFileStream::Read(void* buffer, int64_t count)
{
    if (count < 0)
        return -1;
    const size_t n = std::fread(buffer, 1, static_cast<size_t>(count), file);
    return std::ferror(file) ? -1 : static_cast<int64_t>(n);
}

int64_t tFileStream::Write(const void* buffer, int64_t count)
{
    if (count < 0)
        return -1;
    const size_t n = std::fwrite(buffer, 1, static_cast<size_t>(count), file);
    return n == static_cast<size_t>(count) ? count : -1;
}

int64_t tFileStream::Seek(int64_t offset, tSeekOrigin origin)
{
    const int whence = origin == tSeekOrigin::begin ? SEEK_SET : origin == tSeekOrigin::current ? SEEK_CUR : SEEK_END;
    if (fseeko(file, offset, whence) != 0)
        return -1;
    return ftello(file);
}

bool tFileStream::Truncate()
{
    const int64_t here = Position();
    return here >= 0 && std::fflush(file) == 0 && ftruncate(fileno(file), here) == 0;
}

bool readWholeFile(const std::string& path, std::string& content)
{
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file)
        return false;
    content.clear();
    char chunk[65536];
    size_t n;
    while ((n = std::fread(chunk, 1, sizeof chunk, file)) > 0)
        content.append(chunk, n);
    const bool ok = !std::ferror(file);
    std::fclose(file);
    return ok;
}
