#pragma once

#include <cstdint>
#include <memory>

#include "media/tPcmSound.h"

// The frames of `sound` between two times in milliseconds (kept within the sound), to play a
// sound from a place on.
std::shared_ptr<const tPcmSound> soundBetween(const tPcmSound& sound, int64_t from, int64_t to);
