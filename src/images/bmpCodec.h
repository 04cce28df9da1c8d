#pragma once

#include <QImage>

#include <cstdint>
#include <span>
#include <vector>

// Our own small codec for BMP files: the bitmaps inside LGF chunks and the ".BMP" files.
// Reading takes the whole file in memory and checks every size against it, so a damaged file
// is refused (eStreamError) instead of being over-read.

// Uncompressed 1, 4, 8, 16, 24 and 32 bits per pixel, with the Windows 3 header or a later one
// and the OS/2 core header; the result is Format_RGB32 (a null image for a 0 x 0 bitmap).
QImage readBmp(std::span<const uint8_t> file);

// A 24-bit BMP file of the picture.
std::vector<uint8_t> writeBmp(const QImage& picture);
// A 1-bit BMP file of a mask (palette black, white; 1 = white = transparent).
std::vector<uint8_t> writeMaskBmp(const QImage& mask);
