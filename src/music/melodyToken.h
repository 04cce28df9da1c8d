#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "music/tMusicState.h"

// What one melody token asks the player to do once the notation has been read.
struct tMelodyStep {
    enum Kind { kNothing, kNote, kPause, kInstrument, kVolume, kWave };
    Kind kind = kNothing;
    int note = 0;              // kNote: the MIDI note number
    int32_t milliseconds = 0;  // kNote, kPause
    int value = 0;             // kInstrument: program 0..128; kVolume: 0..127
    std::string file;          // kWave: the sound file's name

    bool operator==(const tMelodyStep&) const = default;
};

// Reads one token of the melody notation: an optional length, one letter, its modifiers and
// nothing else. Octave, tempo, default length and reset change `state` here, as does the tempo
// step after a note or pause; instrument and volume are left to the player, which applies
// them only while an output is open. erBadValue (the token as culprit) for anything malformed.
tMelodyStep readMelodyToken(std::string_view token, tMusicState& state);
