#include "platform/media/alsaLibrary.h"

#include "platform/media/libraryFunctions.h"

namespace {

bool findAll(void* library, tAlsaLibrary& f)
{
    return findFunction(library, "snd_pcm_open", f.open) && findFunction(library, "snd_pcm_nonblock", f.nonblock) &&
           findFunction(library, "snd_pcm_set_params", f.setParams) && findFunction(library, "snd_pcm_writei", f.writei) &&
           findFunction(library, "snd_pcm_recover", f.recover) && findFunction(library, "snd_pcm_drain", f.drain) &&
           findFunction(library, "snd_pcm_drop", f.drop) && findFunction(library, "snd_pcm_close", f.close);
}

void quiet(const char*, int, const char*, int, const char*, ...) {}

const tAlsaLibrary* load()
{
    static tAlsaLibrary functions;
    void* library = dlopen("libasound.so.2", RTLD_NOW | RTLD_LOCAL);
    if (!library) return nullptr;
    if (!findAll(library, functions)) {
        dlclose(library);
        return nullptr;
    }
    // A machine without sound fails to open the default device: expected, not worth a message.
    if (auto setHandler = reinterpret_cast<decltype(&snd_lib_error_set_handler)>(dlsym(library, "snd_lib_error_set_handler")))
        setHandler(&quiet);
    return &functions;
}

}  // namespace

const tAlsaLibrary* alsaLibrary()
{
    static const tAlsaLibrary* const loaded = load();
    return loaded;
}
