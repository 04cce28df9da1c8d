#pragma once

#include <memory>
#include <string>
#include <vector>

#include "music/tMidiOutput.h"

struct _fluid_hashtable_t;
struct _fluid_synth_t;
struct _fluid_audio_driver_t;
struct tFluidSynthLibrary;

// The MIDI output over FluidSynth with a General MIDI sound font. It plays through the
// system's default audio driver; where there is no sound device the synthesizer runs without
// one (the notes are still timed by the player, nothing is heard) and can render into memory.
class tFluidSynthOutput : public tMidiOutput {
public:
    // None when FluidSynth or a sound font cannot be loaded.
    static std::unique_ptr<tFluidSynthOutput> Open(bool withAudioDriver = true);
    ~tFluidSynthOutput() override;

    void NoteOn(int channel, int note, int velocity) override;
    void NoteOff(int channel, int note, int velocity) override;
    void ProgramChange(int channel, int program) override;
    void ControlChange(int channel, int controller, int value) override;
    void Reset() override;

    bool HasAudioDriver() const { return driver != nullptr; }
    // The next `frames` stereo frames of the synthesizer's sound, left channel; only
    // meaningful while no audio driver reads the synthesizer.
    std::vector<float> Render(int frames);

    // The first General MIDI sound font installed, the larger one preferred; empty when none.
    static std::string SoundFontPath();

private:
    explicit tFluidSynthOutput(const tFluidSynthLibrary& library) : f(library) {}

    const tFluidSynthLibrary& f;
    _fluid_hashtable_t* settings = nullptr;
    _fluid_synth_t* synth = nullptr;
    _fluid_audio_driver_t* driver = nullptr;
};

// Installs FluidSynth as the output the music primitives open; called once at start-up.
void startMidiOutput();
