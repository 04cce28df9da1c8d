#pragma once

#include <memory>

#include "media/tSoundDevice.h"

struct _snd_pcm;
struct tAlsaLibrary;

// The system's default sound output through alsa-lib (which reaches PulseAudio or PipeWire
// where they run), for one sound.
class tAlsaSoundDevice : public tSoundDevice {
public:
    // None when alsa-lib cannot be loaded or no device opens (a busy device is not waited for).
    static std::unique_ptr<tAlsaSoundDevice> Open(int rate, int channels);
    ~tAlsaSoundDevice() override;

    bool Write(const int16_t* samples, int64_t frames) override;
    void Drain() override;
    void Drop() override;

private:
    tAlsaSoundDevice(const tAlsaLibrary& library, _snd_pcm* pcm, int channels) : f(library), pcm(pcm), channels(channels) {}

    const tAlsaLibrary& f;
    _snd_pcm* const pcm;
    const int channels;
};
