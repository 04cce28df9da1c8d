#include "net/netImages.h"

#include <exception>

#include "images/lgfImages.h"
#include "language/tMemoryStream.h"

namespace {
constexpr int kWireCompression = 2;
}

std::string imageMessageBody(const tLogoImage& image)
{
    tMemoryStream file;
    appendImageChunk(image, file, kWireCompression);
    const std::vector<uint8_t>& bytes = file.Bytes();
    return std::string(bytes.begin(), bytes.end());
}

tLogoRef<tLogoImage> imageFromMessageBody(const std::string& body)
{
    tLogoRef<tLogoImage> image(new tLogoImage);
    try {
        tMemoryStream file(std::vector<uint8_t>(body.begin(), body.end()));
        readImageFile(*image, file, false, 0);
    } catch (const std::exception&) {
        return {};
    }
    if (image->frames.empty()) return {};
    return image;
}
