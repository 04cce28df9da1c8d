#include "language/tMappedFile.h"

#include "language/tStream.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

tMappedFile::tMappedFile(const std::string& path) : path(path)
{
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        throw eStreamError("exe stream error 1 " + path);
    struct stat info;
    if (fstat(fd, &info) != 0) {
        close(fd);
        throw eStreamError("exe stream error 2");
    }
    size = static_cast<size_t>(info.st_size);
    if (size > 0) {
        void* mapped = mmap(nullptr, size, PROT_READ, MAP_PRIVATE, fd, 0);
        if (mapped == MAP_FAILED) {
            close(fd);
            throw eStreamError("exe stream error 3");
        }
        data = static_cast<const uint8_t*>(mapped);
    }
    close(fd);
}

tMappedFile::~tMappedFile()
{
    if (data)
        munmap(const_cast<uint8_t*>(data), size);
}
