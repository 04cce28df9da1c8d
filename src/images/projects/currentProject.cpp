#include "images/projects/currentProject.h"

#include <mutex>

#include "mainobj/system/tFilePaths.h"

namespace {

std::mutex fileLock;
std::string file;

}  // namespace

std::string currentProjectFile()
{
    std::lock_guard lock(fileLock);
    return file;
}

void setCurrentProjectFile(std::string_view path)
{
    {
        std::lock_guard lock(fileLock);
        file = path;
    }
    const size_t separator = path.find_last_of('/');
    if (separator != std::string_view::npos)
        setWorkFolder(path.substr(0, separator + 1));
}
