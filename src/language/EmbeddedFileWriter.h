#pragma once

// Appends a file to a program file in the embedded-file format that tEmbeddedDirectory reads,
// keeping the files already there (one of the same name, in any case, is replaced).

#include <cstdint>
#include <span>
#include <string>

// `plain` is coded with `key` from its first byte. Raises eStreamError when the program file
// cannot be read or written, or when its directory is corrupt.
void appendEmbeddedFile(const std::string& programPath, const std::string& name, std::span<const uint8_t> plain,
                        uint32_t key);
