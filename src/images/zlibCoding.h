#pragma once

#include <cstdint>
#include <span>
#include <vector>

class tStream;

// The stored compression levels 0..3 of LGF chunks as zlib levels: 0 stores plainly, 1 is
// zlib's fastest, 2 its default, 3 its best.
int zlibLevelOf(int storedLevel);

// A zlib stream (RFC 1950) of the bytes at that zlib level.
std::vector<uint8_t> deflateBytes(std::span<const uint8_t> plain, int zlibLevel);

// Inflates the zlib stream that starts at the stream's position, reading no further than `end`,
// into exactly `size` bytes. Damaged or short data raises eStreamError with zlib's message;
// the output grows with the data actually inflated, so a false size allocates nothing.
std::vector<uint8_t> inflateExactly(tStream& stream, int64_t end, int32_t size);
