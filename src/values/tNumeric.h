#pragma once

#include <cstdint>

// A number as arithmetic and comparison use it: a 32-bit integer, or an extended real.
struct tNumeric {
    bool isInteger;
    int32_t integer;
    long double real;
    bool fromText;  // a word held as text, not a number object
};
