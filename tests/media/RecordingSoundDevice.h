#pragma once

#include <cstdint>
#include <memory>
#include <mutex>
#include <vector>

#include "media/tSoundDevice.h"

// What the sound output was given, for the tests: the samples in order and how the devices
// were opened and ended. Safe to read while a playback thread writes.
struct tSoundLog {
    std::mutex guard;
    std::vector<int16_t> samples;
    int opened = 0;
    int rate = 0;
    int channels = 0;
    int drained = 0;
    int dropped = 0;
    int failAfterWrites = -1;  // a device that fails on that write (counted from 0)

    std::vector<int16_t> Samples()
    {
        std::lock_guard lock(guard);
        return samples;
    }
};

// Installs an output that records into `log` and plays at once (nothing waits for a clock).
void useRecordingDevice(tSoundLog& log);
// Installs none: sounds are timed in silence.
void useNoDevice();
