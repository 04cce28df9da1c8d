#pragma once

#include <dlfcn.h>

// Looks up one function of a library loaded with dlopen; false when it is missing.
template <class Function>
bool findFunction(void* library, const char* name, Function& function)
{
    function = reinterpret_cast<Function>(dlsym(library, name));
    return function != nullptr;
}
