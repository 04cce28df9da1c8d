#pragma once

#include <cstdint>

#include "turtle/thinLine.h"

class QImage;

// Our own flood fill on an RGB32 picture, 4-connected, within `clip`. Without a border colour
// it fills the pixels of exactly the start pixel's colour; with one, every pixel up to that
// colour. Colours are 0xRRGGBB; a start outside the clip fills nothing.
void floodFill(QImage& picture, tPixel start, uint32_t fillColour, const tPixelRect& clip,
               const uint32_t* borderColour = nullptr);
