#include "media/tSoundPlayback.h"

#include <algorithm>
#include <chrono>

#include "media/tSoundDevice.h"

namespace {

// Written to the device, or timed, in pieces of this length, so a stop or a pause is obeyed
// within it.
constexpr int64_t kPieceMilliseconds = 50;

}  // namespace

tSoundPlayback::tSoundPlayback(std::shared_ptr<const tPcmSound> sound, bool repeat)
    : sound(std::move(sound)), repeat(repeat), player([this] { Run(); })
{
}

tSoundPlayback::~tSoundPlayback()
{
    Stop();
    player.join();
}

void tSoundPlayback::Stop()
{
    std::lock_guard lock(guard);
    stopping = true;
    changed.notify_all();
}

void tSoundPlayback::Pause()
{
    std::lock_guard lock(guard);
    paused = true;
}

void tSoundPlayback::Resume()
{
    std::lock_guard lock(guard);
    paused = false;
    changed.notify_all();
}

bool tSoundPlayback::Completed() const
{
    std::lock_guard lock(guard);
    return completed;
}

bool tSoundPlayback::Paused() const
{
    std::lock_guard lock(guard);
    return paused;
}

int64_t tSoundPlayback::PositionMilliseconds() const
{
    std::lock_guard lock(guard);
    return sound->rate > 0 ? playedFrames * 1000 / sound->rate : 0;
}

void tSoundPlayback::Run()
{
    std::unique_ptr<tSoundDevice> device = openSoundDevice(sound->rate, sound->channels);
    bool ended = PlayOnce(device.get());
    while (ended && repeat && sound->Frames() > 0) {
        {
            std::lock_guard lock(guard);
            playedFrames = 0;
        }
        ended = PlayOnce(device.get());
    }
    if (device) ended ? device->Drain() : device->Drop();
    {
        std::lock_guard lock(guard);
        completed = ended;
    }
    finished.Set();
}

bool tSoundPlayback::PlayOnce(tSoundDevice* device)
{
    using Clock = std::chrono::steady_clock;
    const int64_t total = sound->Frames();
    const int64_t piece = std::max<int64_t>(1, sound->rate * kPieceMilliseconds / 1000);
    Clock::time_point due = Clock::now();
    std::unique_lock lock(guard);
    while (playedFrames < total) {
        if (paused) {
            changed.wait(lock, [this] { return stopping || !paused; });
            due = Clock::now();
        }
        if (stopping) return false;
        const int64_t from = playedFrames;
        const int64_t frames = std::min(piece, total - from);
        lock.unlock();
        if (device && !device->Write(sound->samples.data() + from * sound->channels, frames)) device = nullptr;
        lock.lock();
        if (!device) {
            // No device: the piece takes its time in silence.
            due += std::chrono::microseconds(frames * 1000000 / sound->rate);
            if (changed.wait_until(lock, due, [this] { return stopping || paused; }) && stopping) return false;
        }
        playedFrames = from + frames;
    }
    return !stopping;
}
