#pragma once

// A read-only stream over a length-prefixed block in memory (int32 length, then the bytes),
// the form the interface dictionaries are compiled into the program in.

#include "language/tMemoryStream.h"

class tObjStream : public tMemoryViewStream {
public:
    // Raises eStreamError when the block is shorter than its length says.
    explicit tObjStream(std::span<const uint8_t> block);
};
