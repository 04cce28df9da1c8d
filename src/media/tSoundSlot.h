#pragma once

#include <memory>
#include <mutex>

#include "media/tPcmSound.h"

class tSoundPlayback;

// Where one sound plays at a time: starting one stops the one before, as a learner expects
// when a program plays sound after sound without waiting for each. "playwave" and "say" each
// have one, so speech does not cut a wave short.
class tSoundSlot {
public:
    std::shared_ptr<tSoundPlayback> Start(std::shared_ptr<const tPcmSound> sound, bool repeat);
    void Stop();

private:
    // Gives back the one it replaced, let go of outside the lock: its end waits for its thread.
    std::shared_ptr<tSoundPlayback> Replace(std::shared_ptr<tSoundPlayback> next);

    std::mutex guard;
    std::shared_ptr<tSoundPlayback> playing;
};

tSoundSlot& waveSlot();
tSoundSlot& speechSlot();
