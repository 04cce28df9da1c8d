#include "platform/media/tAlsaSoundDevice.h"

#include "platform/media/alsaLibrary.h"

namespace {

// Short enough that a stop is heard at once, long enough not to stutter on a busy machine.
constexpr unsigned kLatencyMicroseconds = 100000;

}  // namespace

std::unique_ptr<tAlsaSoundDevice> tAlsaSoundDevice::Open(int rate, int channels)
{
    const tAlsaLibrary* f = alsaLibrary();
    if (!f) return nullptr;
    snd_pcm_t* pcm = nullptr;
    if (f->open(&pcm, "default", SND_PCM_STREAM_PLAYBACK, SND_PCM_NONBLOCK) < 0) return nullptr;
    if (f->nonblock(pcm, 0) < 0 ||
        f->setParams(pcm, SND_PCM_FORMAT_S16, SND_PCM_ACCESS_RW_INTERLEAVED, static_cast<unsigned>(channels),
                     static_cast<unsigned>(rate), 1, kLatencyMicroseconds) < 0) {
        f->close(pcm);
        return nullptr;
    }
    return std::unique_ptr<tAlsaSoundDevice>(new tAlsaSoundDevice(*f, pcm, channels));
}

tAlsaSoundDevice::~tAlsaSoundDevice() { f.close(pcm); }

bool tAlsaSoundDevice::Write(const int16_t* samples, int64_t frames)
{
    while (frames > 0) {
        snd_pcm_sframes_t written = f.writei(pcm, samples, static_cast<snd_pcm_uframes_t>(frames));
        // An underrun (after a pause, or on a loaded machine) is recovered from and written again.
        if (written < 0) written = f.recover(pcm, static_cast<int>(written), 1);
        if (written < 0) return false;
        samples += written * channels;
        frames -= written;
    }
    return true;
}

void tAlsaSoundDevice::Drain() { f.drain(pcm); }

void tAlsaSoundDevice::Drop() { f.drop(pcm); }
