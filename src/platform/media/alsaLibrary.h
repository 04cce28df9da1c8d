#pragma once

#include <alsa/asoundlib.h>

// alsa-lib is loaded on the first sound, not at every start of the program: the functions the
// sound output uses, looked up by name.
struct tAlsaLibrary {
    decltype(&snd_pcm_open) open;
    decltype(&snd_pcm_nonblock) nonblock;
    decltype(&snd_pcm_set_params) setParams;
    decltype(&snd_pcm_writei) writei;
    decltype(&snd_pcm_recover) recover;
    decltype(&snd_pcm_drain) drain;
    decltype(&snd_pcm_drop) drop;
    decltype(&snd_pcm_close) close;
};

// The loaded library with its error messages silenced; null when it cannot be loaded.
const tAlsaLibrary* alsaLibrary();
