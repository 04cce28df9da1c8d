#pragma once

#include <cstdint>

class QImage;

// A pixel of a picture; wide enough for the far-away points a turtle in window mode reaches.
struct tPixel {
    int64_t x = 0;
    int64_t y = 0;
    bool operator==(const tPixel&) const = default;
};

// An integer rectangle, every bound inclusive.
struct tPixelRect {
    int64_t left = 0;
    int64_t top = 0;
    int64_t right = -1;
    int64_t bottom = -1;
};

// Copy sets the pixels to the colour and includes the end pixel; XOR flips the colour's bits
// and leaves the end pixel out, so that consecutive segments do not cancel at their joints.
enum class tRasterMode : uint8_t { kCopy, kXor };

// Draws a 1-pixel line into an RGB32 picture, clipped to `clip` and to the picture. The pixels
// depend only on the two end points, not on the direction: the line is always walked from the
// end with the smaller coordinate along its longer axis, and the other coordinate is rounded
// half towards its positive direction. `colour` is 0xRRGGBB.
void drawThinLine(QImage& picture, tPixel from, tPixel to, uint32_t colour, tRasterMode mode, const tPixelRect& clip);
