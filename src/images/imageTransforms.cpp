#include "images/imageTransforms.h"

#include <algorithm>
#include <cmath>
#include <new>

#include "turtle/pictureTint.h"

tLogoImage* mapPictures(const tLogoImage& image, const std::function<tLogoPicture(const tLogoPicture&)>& change)
{
    auto* result = new tLogoImage;
    result->CopyInfo(image);
    for (const tFrameRef& frame : image.frames) {
        std::vector<tLogoPicture> pictures;
        pictures.reserve(frame->pictures.size());
        for (const tLogoPicture& picture : frame->pictures) pictures.push_back(change(picture));
        result->frames.push_back(makeFrame(std::move(pictures)));
    }
    return result;
}

tLogoPicture rotatedPicture(const tLogoPicture& picture, long double degrees)
{
    if (!picture.HasImage()) return picture;
    const double angle = static_cast<double>(degrees) * M_PI / 180.0;
    const double c = std::cos(angle), s = std::sin(angle);
    const int width = picture.Width(), height = picture.Height();
    // Offsets of pixel centres from the hot spot's centre; screen y points down, so this
    // rotation turns clockwise as seen. Quarter turns map centres onto centres exactly.
    const double dxs[2] = {double(-picture.hotX), double(width - 1 - picture.hotX)};
    const double dys[2] = {double(-picture.hotY), double(height - 1 - picture.hotY)};
    double minX = 1e18, maxX = -1e18, minY = 1e18, maxY = -1e18;
    for (double dx : dxs)
        for (double dy : dys) {
            const double rx = dx * c - dy * s, ry = dx * s + dy * c;
            minX = std::min(minX, rx);
            maxX = std::max(maxX, rx);
            minY = std::min(minY, ry);
            maxY = std::max(maxY, ry);
        }
    constexpr double kSlack = 1e-9;
    const int left = static_cast<int>(std::floor(minX + kSlack)), top = static_cast<int>(std::floor(minY + kSlack));
    const int newWidth = static_cast<int>(std::ceil(maxX - kSlack)) - left + 1;
    const int newHeight = static_cast<int>(std::ceil(maxY - kSlack)) - top + 1;

    tLogoPicture result;
    result.delay = picture.delay;
    result.hotX = -left;
    result.hotY = -top;
    result.colour = QImage(newWidth, newHeight, QImage::Format_RGB32);
    result.colour.fill(qRgb(0, 0, 0));
    result.mask = opaqueMask(newWidth, newHeight);
    if (result.colour.isNull() || result.mask.isNull()) throw std::bad_alloc();
    const QImage source = picture.colour.convertToFormat(QImage::Format_RGB32);
    for (int ty = 0; ty < newHeight; ++ty) {
        auto* line = reinterpret_cast<QRgb*>(result.colour.scanLine(ty));
        for (int tx = 0; tx < newWidth; ++tx) {
            const double ox = tx + left, oy = ty + top;
            const int sx = picture.hotX + static_cast<int>(std::round(ox * c + oy * s));
            const int sy = picture.hotY + static_cast<int>(std::round(-ox * s + oy * c));
            if (sx < 0 || sy < 0 || sx >= width || sy >= height || picture.IsTransparent(sx, sy))
                result.mask.setPixel(tx, ty, 1);
            else
                line[tx] = source.pixel(sx, sy);
        }
    }
    return result;
}

tLogoPicture tintedPicture(const tLogoPicture& picture, uint32_t colour)
{
    if (!picture.HasImage()) return picture;
    tLogoPicture result = picture;
    result.colour = picture.colour.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < result.colour.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(result.colour.scanLine(y));
        for (int x = 0; x < result.colour.width(); ++x) line[x] = tintedPixel(line[x], colour);
    }
    return result;
}
