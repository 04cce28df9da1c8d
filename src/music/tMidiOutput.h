#pragma once

#include <cstdint>
#include <functional>
#include <memory>

// A MIDI synthesizer the music primitives play on: channel messages only. The platform
// provides it; music/ never talks to a synthesizer library itself.
class tMidiOutput {
public:
    virtual ~tMidiOutput() = default;

    virtual void NoteOn(int channel, int note, int velocity) = 0;
    virtual void NoteOff(int channel, int note, int velocity) = 0;
    virtual void ProgramChange(int channel, int program) = 0;
    virtual void ControlChange(int channel, int controller, int value) = 0;
    // Silences every channel and returns the device to its start state.
    virtual void Reset() = 0;
};

// Opens the platform's output; none when no device can be opened (the music then plays
// silently). Installed once at start-up by the platform.
using tMidiOutputOpener = std::function<std::unique_ptr<tMidiOutput>()>;
void setMidiOutputOpener(tMidiOutputOpener opener);
