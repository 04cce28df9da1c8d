#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// A web package: what "saveforweb" puts beside its web page for a browser to hand to Zembrix,
// and "unpackwebproject" takes apart. "ZXK" and two version digits, then the number of entries
// and each entry as its name and its bytes (lengths as 32-bit little-endian integers). Entries:
// "project" (a project file as "save" writes it) and "picture" (the shown page as PNG).
struct tWebPackage {
    std::vector<uint8_t> project;
    std::vector<uint8_t> picture;
};

std::vector<uint8_t> packWebPackage(const tWebPackage& package);
// None when the bytes are no web package (wrong magic, a version this program does not know,
// or entries cut short).
std::optional<tWebPackage> unpackWebPackage(const std::vector<uint8_t>& bytes);
