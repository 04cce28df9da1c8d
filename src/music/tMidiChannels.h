#pragma once

#include <array>
#include <memory>
#include <mutex>

#include "music/tMidiOutput.h"

// The program-wide side of MIDI: which of the 16 channels processes hold, the instrument last
// sent on each, and the output, open while at least one process uses MIDI. All members are
// thread-safe; messages go straight to the output under one lock, so the order of a process's
// messages is kept without a trip through the window thread.
class tMidiChannels {
public:
    static constexpr int kChannels = 16;

    static tMidiChannels& Instance();

    // Takes the lowest free channel for a new user and opens the output when none is open;
    // erFreeChannel when all are taken. The channel is reset (omni and poly on).
    int Acquire();
    // Gives the channel back; the output closes after its last user.
    void Release(int channel);

    bool OutputOpen() const;
    // Each a no-op while no output is open.
    void NoteOn(int channel, int note, int velocity);
    void NoteOff(int channel, int note, int velocity);
    // Remembers the program for the channel (sent again when an output opens); 128 sends none.
    void SetInstrument(int channel, int program);

    void SetOpener(tMidiOutputOpener opener);

private:
    tMidiChannels();
    void OpenOutput();

    mutable std::mutex guard;
    tMidiOutputOpener opener;
    std::unique_ptr<tMidiOutput> output;
    std::array<bool, kChannels> taken{};
    std::array<int, kChannels> instruments{};
    int users = 0;
};
