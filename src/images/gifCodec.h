#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "images/tLogoImage.h"

// GIF through giflib, animated ones included. Damaged data raises eStreamError.

// One frame whose pictures are the GIF's frames: each the frame's own colours (black where
// transparent), its mask from the GIF's transparent colour, its position as the hot spot and
// its delay.
tLogoImage* readGif(std::span<const uint8_t> file);

// An animated GIF of the pictures: each at its hot spot as position (a negative one at 0) with
// its delay, its mask as transparency in the colour white, looping forever when `loop` is set.
std::vector<uint8_t> writeGif(const std::vector<tLogoPicture>& pictures, bool loop);
