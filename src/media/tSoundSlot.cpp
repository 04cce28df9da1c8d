#include "media/tSoundSlot.h"

#include "media/tSoundPlayback.h"

std::shared_ptr<tSoundPlayback> tSoundSlot::Start(std::shared_ptr<const tPcmSound> sound, bool repeat)
{
    auto started = std::make_shared<tSoundPlayback>(std::move(sound), repeat);
    Replace(started);
    return started;
}

void tSoundSlot::Stop() { Replace(nullptr); }

std::shared_ptr<tSoundPlayback> tSoundSlot::Replace(std::shared_ptr<tSoundPlayback> next)
{
    std::lock_guard lock(guard);
    if (playing) playing->Stop();
    playing.swap(next);
    return next;
}

tSoundSlot& waveSlot()
{
    static tSoundSlot slot;
    return slot;
}

tSoundSlot& speechSlot()
{
    static tSoundSlot slot;
    return slot;
}
