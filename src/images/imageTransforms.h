#pragma once

#include <cstdint>
#include <functional>

#include "images/tLogoImage.h"

// Images whose every picture is changed the same way; frames, info and order are kept.

tLogoImage* mapPictures(const tLogoImage& image, const std::function<tLogoPicture(const tLogoPicture&)>& change);

// The picture turned clockwise on the screen by the angle in degrees about its hot spot, by
// nearest-neighbour inverse mapping into a bitmap just large enough; pixels with no source are
// transparent. The hot spot moves to where the old one landed; the delay is kept.
tLogoPicture rotatedPicture(const tLogoPicture& picture, long double degrees);

// The picture recoloured with the colour (0x00RRGGBB): each pixel takes the colour scaled by
// its own brightness, so white becomes the colour and black stays black. Mask, hot spot and
// delay are kept.
tLogoPicture tintedPicture(const tLogoPicture& picture, uint32_t colour);
