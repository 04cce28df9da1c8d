#pragma once

#include <cstddef>

// A shared library the program reaches through call stubs (written at build time by
// cmake/first-use-stubs) and loads on the first call instead of at every start. Qt Gui and the
// thirty libraries it brings cost the console about 4 ms per start, and most programs never draw.
struct tFirstUseTable {
    const char* name;
    void* copy;
    std::size_t size;
};

struct tFirstUseLibrary {
    const char* soname;
    std::size_t functionCount;
    const char* const* functionNames;
    void** slots;
    std::size_t tableCount;
    const tFirstUseTable* tables;  // virtual tables the program's inline code stores in objects
};

// Called by a stub on its function's first call: loads the library (once; then fills the copies
// of its virtual tables), finds the function, stores it in the stub's slot and answers it. A
// library that cannot be loaded ends the program with a message: nothing can go on without it.
extern "C" void* firstUseResolve(const tFirstUseLibrary* library, std::size_t function);
