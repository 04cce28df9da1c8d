#include "music/tMusicState.h"

#include <cstdint>
#include <mutex>

namespace {

std::mutex sharedGuard;
tMusicState shared;

}  // namespace

int lengthIndex(int64_t length)
{
    for (int index = 0; index < 7; ++index)
        if (length == (int64_t{1} << index)) return index;
    return -1;
}

void tMusicState::SetTempo(int beatsPerMinute)
{
    tempo = beatsPerMinute;
    // A whole note lasts four beats: 240000 ms at one beat per minute, rounded to nearest.
    const int32_t half = tempo / 2;
    for (int index = 0; index < 7; ++index)
        durations[index] = (half + 240000 / (1 << index)) / tempo;
}

int32_t tMusicState::Duration(int length) const { return durations[lengthIndex(length)]; }

void tMusicState::ApplyTempoStep()
{
    if (!tempoStep) return;
    const int64_t next = static_cast<int64_t>(tempo) + *tempoStep;
    if (next > 1 && next <= INT32_MAX) SetTempo(static_cast<int>(next));
}

tMusicState sharedMusicState()
{
    std::lock_guard<std::mutex> lock(sharedGuard);
    return shared;
}

void storeSharedMusicState(const tMusicState& state)
{
    std::lock_guard<std::mutex> lock(sharedGuard);
    shared = state;
}
