#include "app/windowModule.h"

#include <dlfcn.h>

#include <cstdio>
#include <filesystem>
#include <system_error>

tRunWindowEntry loadWindowModule()
{
    std::error_code failed;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", failed);
    if (failed) {
        std::fprintf(stderr, "zembrix: cannot find the program's folder: %s\n", failed.message().c_str());
        return nullptr;
    }
    const std::string module = (program.parent_path() / kWindowModuleFile).string();
    // Never unloaded: the window's threads and Qt's own state live until the program ends.
    void* handle = dlopen(module.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle == nullptr) {
        std::fprintf(stderr, "zembrix: the window cannot be opened: %s\n", dlerror());
        return nullptr;
    }
    auto entry = reinterpret_cast<tRunWindowEntry>(dlsym(handle, kWindowModuleEntry));
    if (entry == nullptr)
        std::fprintf(stderr, "zembrix: %s has no entry %s\n", module.c_str(), kWindowModuleEntry);
    return entry;
}
