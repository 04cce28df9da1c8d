#pragma once

// Writes the C++ source that holds the coded dictionaries as the program's built-in resources.

#include <cstdint>
#include <string>
#include <vector>

struct tResourceData {
    std::string type;
    std::string name;
    std::vector<uint8_t> bytes;
};

// False when the file cannot be written.
bool writeResourceSource(const std::string& path, const std::vector<tResourceData>& resources);
