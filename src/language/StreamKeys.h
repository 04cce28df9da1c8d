#pragma once

// The two fixed keys of the keyed filter. Files written with one key read back only with the
// same key, so these never change once programs and projects exist.

#include <cstdint>

// Start-up parameters, the embedded-file directory and its trailer.
inline constexpr uint32_t kEmbeddedDataKey = 0x5A3C9E17u;
// Project files, the embedded project, the start-up program and embedded images.
inline constexpr uint32_t kProjectKey = 0x2B7D4F61u;
