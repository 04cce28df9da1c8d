#pragma once

#include <cstdint>
#include <functional>
#include <string_view>

// How long the sound file of a "W" token plays: the name is resolved as a sound file (default
// extension ".WAV"); erExpectWav when it does not exist. A file whose RIFF header cannot be
// read lasts 0 ms.
int32_t waveFileMilliseconds(std::string_view name);

// The length of RIFF WAVE data from its "fmt " and "data" chunks; -1 when they are missing.
int64_t waveMilliseconds(std::string_view fileBytes);

// Sounds the file of a "W" token and waits for its end; true when a stop of the process cut it
// short. The media subsystem installs it at start-up; without it the token waits out the
// file's length in silence.
using tWaveSounder = std::function<bool(std::string_view name)>;
void setWaveSounder(tWaveSounder sounder);
const tWaveSounder& waveSounder();
