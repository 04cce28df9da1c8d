#include "app/loadOnFirstUse.h"

#include <dlfcn.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <mutex>

namespace {

[[noreturn]] void cannotGoOn(const char* what, const char* name)
{
    const char* reason = dlerror();
    std::fprintf(stderr, "zembrix: %s %s: %s\n", what, name, reason ? reason : "not found");
    std::abort();
}

void* loaded(const tFirstUseLibrary& library)
{
    // One library per program today; the handle is kept for the program's life.
    static std::mutex loading;
    static std::atomic<void*> handle{nullptr};
    if (void* known = handle.load(std::memory_order_acquire)) return known;
    std::lock_guard hold(loading);
    if (void* known = handle.load(std::memory_order_relaxed)) return known;
    void* opened = dlopen(library.soname, RTLD_NOW | RTLD_GLOBAL);
    if (opened == nullptr) cannotGoOn("cannot load", library.soname);
    // Before any stub answers: objects the program makes afterwards point at these copies.
    for (std::size_t i = 0; i < library.tableCount; ++i) {
        const tFirstUseTable& table = library.tables[i];
        const void* original = dlsym(opened, table.name);
        if (original == nullptr) cannotGoOn("cannot find", table.name);
        std::memcpy(table.copy, original, table.size);
    }
    handle.store(opened, std::memory_order_release);
    return opened;
}

}  // namespace

extern "C" void* firstUseResolve(const tFirstUseLibrary* library, std::size_t function)
{
    void* handle = loaded(*library);
    const char* name = library->functionNames[function];
    void* address = dlsym(handle, name);
    if (address == nullptr) cannotGoOn("cannot find", name);
    // Other threads may be resolving the same function: they store the same address.
    __atomic_store_n(&library->slots[function], address, __ATOMIC_RELEASE);
    return address;
}
