#pragma once

#include <cstdint>

#include "images/tLogoPicture.h"

class tLogoImage;

// Images taken from what is drawn ("takepicture", "getimage"). The global "imode" says which
// colour becomes transparent besides the picture's own mask: 0 none, 1 the page's background
// colour, 2 white, 3 the colour of the picture's top-left pixel. Other values are 0.
enum class tImageMode : int32_t { kOpaque = 0, kBackground = 1, kWhite = 2, kCorner = 3 };

tImageMode imageMode();

// An image of one picture, style frame.
tLogoImage* takenImage(tLogoPicture picture, tImageMode mode, uint32_t background);
