#pragma once

#include <cstdint>

// The random source of Logo values ("random", "pick", "shuffle", "any" words, probabilistic
// booleans). One generator per thread, so processes never share one unlocked.
int32_t randomInRange(int32_t low, int32_t high);  // both included
long double randomUnit();                           // in [0, 1)
void seedRandom(uint32_t seed);
