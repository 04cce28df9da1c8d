#pragma once

#include <cstdint>

class tLogoImage;

// The steps of a shape's animation film, for whoever shows an image as a turtle shape: the
// pictures of the shown frame play one after the other, each for its own delay.

// Whether the frame (0-based) has a film to play: at least two pictures.
bool framePlays(const tLogoImage& image, int32_t frame);

// The picture after `picture` in the frame: the next one, or at the last one the first again
// when the image loops; a film that does not loop stays on its last picture.
int32_t nextPicture(const tLogoImage& image, int32_t frame, int32_t picture);

// Milliseconds until the next step: the picture's delay times the speed factor, rounded half
// away from zero (never below 0).
int64_t stepDelay(int32_t delay, long double speed);
