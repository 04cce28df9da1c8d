#include "media/soundExcerpt.h"

#include <algorithm>

std::shared_ptr<const tPcmSound> soundBetween(const tPcmSound& sound, int64_t from, int64_t to)
{
    auto part = std::make_shared<tPcmSound>();
    part->rate = sound.rate;
    part->channels = sound.channels;
    const int64_t first = std::clamp<int64_t>(from * sound.rate / 1000, 0, sound.Frames());
    const int64_t last = std::clamp(to * sound.rate / 1000, first, sound.Frames());
    part->samples.assign(sound.samples.begin() + first * sound.channels, sound.samples.begin() + last * sound.channels);
    return part;
}
