#include "language/ProgramFile.h"

#include <filesystem>

std::string programPath()
{
    std::error_code error;
    const auto path = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::string("/proc/self/exe") : path.string();
}

std::string programFolder()
{
    return std::filesystem::path(programPath()).parent_path().string();
}
