#include "platform/web/curlLibrary.h"

#include <dlfcn.h>

namespace {

template <typename Function>
bool bind(void* handle, const char* name, Function& function)
{
    function = reinterpret_cast<Function>(dlsym(handle, name));
    return function != nullptr;
}

const tCurlLibrary* load()
{
    void* handle = dlopen("libcurl.so.4", RTLD_NOW | RTLD_LOCAL);
    if (!handle)
        return nullptr;
    static tCurlLibrary library;
    decltype(&curl_global_init) globalInit = nullptr;
    bool complete = bind(handle, "curl_global_init", globalInit)
                    && bind(handle, "curl_easy_init", library.easyInit)
                    && bind(handle, "curl_easy_setopt", library.easySetopt)
                    && bind(handle, "curl_easy_perform", library.easyPerform)
                    && bind(handle, "curl_easy_getinfo", library.easyGetinfo)
                    && bind(handle, "curl_easy_cleanup", library.easyCleanup)
                    && bind(handle, "curl_easy_reset", library.easyReset)
                    && bind(handle, "curl_slist_append", library.slistAppend)
                    && bind(handle, "curl_slist_free_all", library.slistFreeAll);
    if (!complete || globalInit(CURL_GLOBAL_DEFAULT) != CURLE_OK)
        return nullptr;
    return &library;
}

} // namespace

const tCurlLibrary* curlLibrary()
{
    // Initialised once, before any thread can start a transfer through it.
    static const tCurlLibrary* library = load();
    return library;
}
