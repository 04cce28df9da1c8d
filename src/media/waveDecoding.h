#pragma once

#include <optional>
#include <string_view>

#include "media/tPcmSound.h"

// The sound of RIFF WAVE data: integer PCM of 8, 16, 24 or 32 bits and 32-bit float, plain or
// in the extensible format, with one or two channels (more are mixed down to two). None for
// anything else: compressed formats, a missing "fmt " or "data" chunk, a rate of 0. A "data"
// chunk longer than the bytes present (a file cut short) gives the frames that are there.
std::optional<tPcmSound> decodeWave(std::string_view bytes);
