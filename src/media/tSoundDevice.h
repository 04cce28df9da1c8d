#pragma once

#include <cstdint>
#include <functional>
#include <memory>

// A sound output the platform opens for one sound: 16-bit samples at one rate and channel
// count. media/ never talks to a sound library itself.
class tSoundDevice {
public:
    virtual ~tSoundDevice() = default;
    // Plays `frames` frames, blocking while the device's buffer is full; false when the device
    // failed (the rest of the sound is then timed silently).
    virtual bool Write(const int16_t* samples, int64_t frames) = 0;
    // Waits until what was written has been heard.
    virtual void Drain() = 0;
    // Drops what was written and not yet heard.
    virtual void Drop() = 0;
};

// Opens the platform's output; none when there is no sound device (sounds are then timed and
// not heard). Installed once at start-up by the platform.
using tSoundDeviceOpener = std::function<std::unique_ptr<tSoundDevice>(int rate, int channels)>;
void setSoundDeviceOpener(tSoundDeviceOpener opener);
std::unique_ptr<tSoundDevice> openSoundDevice(int rate, int channels);
