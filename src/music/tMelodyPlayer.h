#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "music/tMusicState.h"

class tMidiChannels;

// How a player waits out a note: a process gives up the interpreter lock and wakes early when
// it is asked to stop; tests count virtual time.
class tNoteClock {
public:
    enum tWaitEnd { kElapsed, kStopped };
    virtual ~tNoteClock() = default;
    virtual tWaitEnd Wait(int32_t milliseconds) = 0;
    virtual bool StopRequested() const = 0;
};

// The music of one process: its channel, its settings, and the sounding of notes in time.
// Made on the process's first musical primitive, it starts from the program-wide settings
// and writes every change back to them.
class tMelodyPlayer {
public:
    // Takes a channel (erFreeChannel when none is free) and sends the instrument.
    tMelodyPlayer(tMidiChannels& channels, tNoteClock& clock);
    ~tMelodyPlayer();
    tMelodyPlayer(const tMelodyPlayer&) = delete;
    tMelodyPlayer& operator=(const tMelodyPlayer&) = delete;

    // One token of the notation. A note takes no time while nothing can sound it; a pause
    // always waits.
    void PlayToken(std::string_view token);
    // Notes 0..127 sounded together for `milliseconds`; 128 and the empty chord are silence.
    // A stop during the wait silences the notes, then ends the melody (eStopPlayException);
    // a stop noticed afterwards ends the process (eTerminateException).
    void Sound(const std::vector<int>& notes, int32_t milliseconds);
    void Rest(int32_t milliseconds);
    // The sound file of a "W" token, to its end.
    void SoundWave(std::string_view file);
    void SetInstrument(int program);

    int Channel() const { return channel; }
    const tMusicState& State() const { return state; }

private:
    void Publish() { storeSharedMusicState(state); }

    tMidiChannels& channels;
    tNoteClock& clock;
    const int channel;
    tMusicState state;
};
