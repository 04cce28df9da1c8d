#pragma once

#include <vector>

#include "images/tLogoImage.h"
#include "values/tLogoRef.h"

// Small images whose pixels, masks, hot spots and delays all differ, for round trips.
tLogoPicture patternPicture(int width, int height, int seed, bool withMask);
// Frames of the given picture counts.
tLogoRef<tLogoImage> patternImage(const std::vector<int>& picturesPerFrame, bool withMasks = true);
// Whether two images hold the same info and pictures (pixels, masks, hot spots, delays).
bool sameImage(const tLogoImage& a, const tLogoImage& b);
