#pragma once

#include <array>
#include <cstdint>
#include <optional>

// The settings one process plays with. Every change is also written to the program-wide copy,
// so that a process starting to play later begins where the last player left off.
struct tMusicState {
    static constexpr int kMaxOctave = 6;
    static constexpr int kNoInstrument = 128;  // notes are not sounded

    int octave = 3;
    int defaultLength = 4;  // 1, 2, 4 ... 64: whole to sixty-fourth note
    int tempo = 120;        // quarter notes per minute
    std::optional<int> tempoStep;
    int instrument = 0;
    int volume = 127;

    tMusicState() { SetTempo(tempo); }

    // Back to the reset values.
    void Reset() { *this = tMusicState(); }
    // Sets the tempo (> 0) and recomputes the durations.
    void SetTempo(int beatsPerMinute);
    // Milliseconds of a note of `length` (a power of two from 1 to 64).
    int32_t Duration(int length) const;
    // After every note or pause: the tempo moves by the step while it stays above 1.
    void ApplyTempoStep();

private:
    std::array<int32_t, 7> durations{};  // whole .. sixty-fourth
};

// The index of a note length in the duration table, or -1 when it is no power of two from 1
// to 64.
int lengthIndex(int64_t length);

// The program-wide copy (thread-safe).
tMusicState sharedMusicState();
void storeSharedMusicState(const tMusicState& state);
