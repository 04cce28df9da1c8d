#include "platform/midi/fluidSynthLibrary.h"

#include <dlfcn.h>

#include <cstdarg>

namespace {

template <class Function>
bool find(void* library, const char* name, Function& function)
{
    function = reinterpret_cast<Function>(dlsym(library, name));
    return function != nullptr;
}

bool findAll(void* library, tFluidSynthLibrary& f)
{
    return find(library, "new_fluid_settings", f.newSettings) &&
           find(library, "delete_fluid_settings", f.deleteSettings) &&
           find(library, "new_fluid_synth", f.newSynth) && find(library, "delete_fluid_synth", f.deleteSynth) &&
           find(library, "new_fluid_audio_driver", f.newAudioDriver) &&
           find(library, "delete_fluid_audio_driver", f.deleteAudioDriver) &&
           find(library, "fluid_set_log_function", f.setLogFunction) &&
           find(library, "fluid_synth_sfload", f.soundFontLoad) &&
           find(library, "fluid_synth_set_channel_type", f.setChannelType) &&
           find(library, "fluid_synth_bank_select", f.bankSelect) &&
           find(library, "fluid_synth_program_change", f.programChange) &&
           find(library, "fluid_synth_cc", f.controlChange) && find(library, "fluid_synth_noteon", f.noteOn) &&
           find(library, "fluid_synth_noteoff", f.noteOff) &&
           find(library, "fluid_synth_system_reset", f.systemReset) &&
           find(library, "fluid_synth_write_float", f.writeFloat);
}

void quietAlsa(const char*, int, const char*, int, const char*, ...) {}

// A failing driver probe on a machine without sound must not litter the console. alsa-lib is
// there once FluidSynth is (it depends on it); without it there is nothing to quiet.
void quietAlsaLibrary()
{
    using Handler = void (*)(const char*, int, const char*, int, const char*, ...);
    using SetHandler = int (*)(Handler);
    void* alsa = dlopen("libasound.so.2", RTLD_NOW | RTLD_NOLOAD);
    if (!alsa) return;
    if (auto set = reinterpret_cast<SetHandler>(dlsym(alsa, "snd_lib_error_set_handler"))) set(&quietAlsa);
    dlclose(alsa);
}

const tFluidSynthLibrary* load()
{
    static tFluidSynthLibrary functions;
    void* library = dlopen("libfluidsynth.so.3", RTLD_NOW | RTLD_LOCAL);
    if (!library) return nullptr;
    if (!findAll(library, functions)) {
        dlclose(library);
        return nullptr;
    }
    quietAlsaLibrary();
    for (int level = FLUID_PANIC; level < LAST_LOG_LEVEL; ++level) functions.setLogFunction(level, nullptr, nullptr);
    return &functions;
}

}  // namespace

const tFluidSynthLibrary* fluidSynthLibrary()
{
    static const tFluidSynthLibrary* const loaded = load();
    return loaded;
}
