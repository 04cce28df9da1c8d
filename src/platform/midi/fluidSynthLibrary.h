#pragma once

#include <fluidsynth.h>

// FluidSynth and the sound libraries it pulls in (some forty of them) are loaded on the first
// note, not at every start of the program: the functions the output uses, looked up by name.
struct tFluidSynthLibrary {
    decltype(&new_fluid_settings) newSettings;
    decltype(&delete_fluid_settings) deleteSettings;
    decltype(&new_fluid_synth) newSynth;
    decltype(&delete_fluid_synth) deleteSynth;
    decltype(&new_fluid_audio_driver) newAudioDriver;
    decltype(&delete_fluid_audio_driver) deleteAudioDriver;
    decltype(&fluid_set_log_function) setLogFunction;
    decltype(&fluid_synth_sfload) soundFontLoad;
    decltype(&fluid_synth_set_channel_type) setChannelType;
    decltype(&fluid_synth_bank_select) bankSelect;
    decltype(&fluid_synth_program_change) programChange;
    decltype(&fluid_synth_cc) controlChange;
    decltype(&fluid_synth_noteon) noteOn;
    decltype(&fluid_synth_noteoff) noteOff;
    decltype(&fluid_synth_system_reset) systemReset;
    decltype(&fluid_synth_write_float) writeFloat;
};

// The loaded library, its logging and alsa-lib's silenced; null when it cannot be loaded.
const tFluidSynthLibrary* fluidSynthLibrary();
