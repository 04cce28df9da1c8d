#include "platform/media/espeakLibrary.h"

#include "platform/media/libraryFunctions.h"

namespace {

const tEspeakLibrary* load()
{
    static tEspeakLibrary functions;
    void* library = dlopen("libespeak-ng.so.1", RTLD_NOW | RTLD_LOCAL);
    if (!library) return nullptr;
    if (!(findFunction(library, "espeak_Initialize", functions.initialize) &&
          findFunction(library, "espeak_SetSynthCallback", functions.setSynthCallback) && findFunction(library, "espeak_Synth", functions.synth) &&
          findFunction(library, "espeak_ListVoices", functions.listVoices) &&
          findFunction(library, "espeak_SetVoiceByName", functions.setVoiceByName))) {
        dlclose(library);
        return nullptr;
    }
    return &functions;
}

}  // namespace

const tEspeakLibrary* espeakLibrary()
{
    static const tEspeakLibrary* const loaded = load();
    return loaded;
}
