#pragma once

#include <cstdint>
#include <vector>

// Sound as the output plays it: signed 16-bit samples, the channels of a frame side by side.
// Every sound file and the speech are brought to this one form, so the platform needs only one
// way to play.
struct tPcmSound {
    int rate = 0;      // frames per second
    int channels = 0;  // 1 or 2
    std::vector<int16_t> samples;

    int64_t Frames() const { return channels > 0 ? static_cast<int64_t>(samples.size()) / channels : 0; }
    int64_t Milliseconds() const { return rate > 0 ? Frames() * 1000 / rate : 0; }
};
