#pragma once

#include <cstdint>

class tLogoImage;

// The frame (0-based) a shape shows for a turtle heading. An image of style heading with n >= 2
// frames splits the circle into n sectors centred on the zero angle and its multiples of
// 360 / n; other images and one-frame images show frame 0 (the owner picks frames of style
// frame itself, see frameByIndex).
int32_t frameForHeading(const tLogoImage& image, long double heading);

// The frame a style-frame image shows for an index its owner sets: the index modulo the frame
// count (0 for the empty image).
int32_t frameByIndex(const tLogoImage& image, int64_t index);
