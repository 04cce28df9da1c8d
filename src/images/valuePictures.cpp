#include "images/valuePictures.h"

#include <QColor>

#include "images/imageFiles.h"
#include "images/tLogoImage.h"
#include "values/eLogoException.h"
#include "values/tLogoRef.h"

namespace {

constexpr QRgb kWhite = 0xFFFFFFFF;
constexpr QRgb kBlack = 0xFF000000;

tLogoPicture firstPicture(const tLogoImage& image, tlogoobject* value)
{
    const tLogoPicture* picture = image.FirstPicture();
    if (!picture || !picture->HasImage()) throw eLogoException(erEmptyImage, value);
    return *picture;
}

}  // namespace

tLogoPicture pictureOfValue(tlogoobject* value, const tListPlacement& placement)
{
    if (value->IsEmpty()) throw eLogoException(erExpectImage, value);
    if (value->IsImage()) return firstPicture(*static_cast<tLogoImage*>(value), value);
    if (value->IsList()) return pictureOfDrawingList(value, placement);
    if (!value->IsWord()) throw eLogoException(erExpectImage, value);
    const tLogoRef<tLogoImage> loaded(loadImageNamed(value->WordView(), ".LGF"));
    return firstPicture(*loaded, value);
}

// The list is drawn twice, on white and on black: a pixel that kept both backgrounds was not
// drawn, whatever colours the list uses.
tLogoPicture pictureOfDrawingList(tlogoobject* list, const tListPlacement& placement)
{
    tDrawingList drawing(list, placement.style);
    drawing.Place(placement.at, 1, 1, placement.heading);
    const tPixelRect bounds = drawing.Bounds();
    if (bounds.right < bounds.left || bounds.bottom < bounds.top) throw eLogoException(erEmptyImage, list);
    const int width = static_cast<int>(bounds.right - bounds.left + 1);
    const int height = static_cast<int>(bounds.bottom - bounds.top + 1);
    drawing.Place({placement.at.x - bounds.left, placement.at.y - bounds.top}, 1, 1, placement.heading);

    QImage onWhite(width, height, QImage::Format_RGB32);
    QImage onBlack(width, height, QImage::Format_RGB32);
    if (onWhite.isNull() || onBlack.isNull()) throw eLogoException(erEmptyImage, list);
    onWhite.fill(kWhite);
    onBlack.fill(kBlack);
    drawing.Render(onWhite, 0xFFFFFF, nullptr);
    drawing.Render(onBlack, 0xFFFFFF, nullptr);

    tLogoPicture picture;
    picture.colour = onBlack;
    picture.mask = opaqueMask(width, height);
    for (int y = 0; y < height; ++y) {
        const auto* white = reinterpret_cast<const QRgb*>(onWhite.constScanLine(y));
        const auto* black = reinterpret_cast<const QRgb*>(onBlack.constScanLine(y));
        for (int x = 0; x < width; ++x)
            if (white[x] == kWhite && black[x] == kBlack) picture.mask.setPixel(x, y, 1);
    }
    picture.hotX = static_cast<int32_t>(roundPixel(placement.at.x) - bounds.left);
    picture.hotY = static_cast<int32_t>(roundPixel(placement.at.y) - bounds.top);
    return picture;
}

tLogoPicture pictureOfArgb(const QImage& argb, int32_t hotX, int32_t hotY)
{
    const QImage source = argb.convertToFormat(QImage::Format_ARGB32);
    tLogoPicture picture;
    picture.colour = QImage(source.size(), QImage::Format_RGB32);
    picture.mask = opaqueMask(source.width(), source.height());
    for (int y = 0; y < source.height(); ++y) {
        const auto* from = reinterpret_cast<const QRgb*>(source.constScanLine(y));
        auto* to = reinterpret_cast<QRgb*>(picture.colour.scanLine(y));
        for (int x = 0; x < source.width(); ++x) {
            const bool clear = qAlpha(from[x]) == 0;
            to[x] = clear ? kBlack : (from[x] | kBlack);
            if (clear) picture.mask.setPixel(x, y, 1);
        }
    }
    picture.hotX = hotX;
    picture.hotY = hotY;
    return picture;
}
