#pragma once

#include <string>

#include "images/tLogoImage.h"
#include "values/tLogoRef.h"

// Images travel as an LGF image file holding the one image, at compression level 2.
std::string imageMessageBody(const tLogoImage& image);
// The image of a message body; none when the bytes are not such a file or are damaged.
tLogoRef<tLogoImage> imageFromMessageBody(const std::string& body);
