#pragma once

#include <espeak-ng/speak_lib.h>

// espeak-ng is loaded on the first word spoken or voice asked for, not at every start of the
// program: the functions the synthesizer uses, looked up by name.
struct tEspeakLibrary {
    decltype(&espeak_Initialize) initialize;
    decltype(&espeak_SetSynthCallback) setSynthCallback;
    decltype(&espeak_Synth) synth;
    decltype(&espeak_ListVoices) listVoices;
    decltype(&espeak_SetVoiceByName) setVoiceByName;
};

// The loaded library; null when it cannot be loaded.
const tEspeakLibrary* espeakLibrary();
