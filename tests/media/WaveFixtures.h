#pragma once

#include <cstdint>
#include <string>
#include <vector>

// RIFF WAVE data made in the tests: no sound files are kept in the tree.
std::string littleEndianBytes(uint32_t value, int size);
// A "fmt " chunk of the given format tag, channels, rate and bits per sample.
std::string formatChunk(uint16_t tag, int channels, int rate, int bits);
// A whole file: the chunks given, then a "data" chunk of `data`.
std::string waveFile(const std::string& chunks, const std::string& data);
// 16-bit mono samples as a whole file.
std::string wave16(int rate, const std::vector<int16_t>& samples);
// A file of `milliseconds` of 16-bit mono at 8000 frames a second, each sample its frame's
// number, so that a test can see which frames reached the device.
std::string countingWave(int milliseconds);
