#pragma once

#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <thread>

#include "media/tPcmSound.h"
#include "processes/tSyncEvent.h"

class tSoundDevice;

// One sound playing on a thread of its own, from its start: through a device when one opens
// (opened on that thread, so the caller is not held up), otherwise timed in silence, so that
// a program waits as long with or without speakers. It can pause, go on, repeat and stop; its
// end (heard, or stopped) signals `Finished`.
class tSoundPlayback {
public:
    tSoundPlayback(std::shared_ptr<const tPcmSound> sound, bool repeat);
    ~tSoundPlayback();
    tSoundPlayback(const tSoundPlayback&) = delete;
    tSoundPlayback& operator=(const tSoundPlayback&) = delete;

    void Stop();
    void Pause();
    void Resume();

    tSyncEvent& Finished() { return finished; }
    // Finished by playing to its end, not by a stop.
    bool Completed() const;
    bool Paused() const;
    // How far it has played, in milliseconds of the sound.
    int64_t PositionMilliseconds() const;
    int64_t LengthMilliseconds() const { return sound->Milliseconds(); }

private:
    void Run();
    // Plays the sound from where it stands to its end; false when it was stopped.
    bool PlayOnce(tSoundDevice* device);

    const std::shared_ptr<const tPcmSound> sound;
    const bool repeat;
    mutable std::mutex guard;
    std::condition_variable changed;
    bool stopping = false;
    bool paused = false;
    bool completed = false;
    int64_t playedFrames = 0;
    tSyncEvent finished{tSyncEvent::kManualReset, false};
    std::thread player;
};
