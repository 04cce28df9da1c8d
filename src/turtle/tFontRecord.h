#pragma once

#include <cstdint>
#include <string>

// The font a turtle writes labels with, as programs set and read it: the face by name and the
// size in points, so that a label looks the same whatever the machine's screen.
struct tFontRecord {
    enum Style : uint8_t { kBold = 1, kItalic = 2, kUnderline = 4, kStrikeOut = 8 };
    enum Flag : uint8_t { kOpaque = 1, kBaseline = 2 };
    static constexpr size_t kLongestFace = 31;

    int32_t size = 0;  // points; 0 is the face's usual size
    uint8_t style = 0;
    uint8_t charSet = 1;
    std::string face = "System";
    uint8_t flags = 0;

    bool operator==(const tFontRecord&) const = default;
};
