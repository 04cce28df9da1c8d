#include "images/valuePictures.h"

#include <QColor>

#include "images/imageFiles.h"
#include "images/tLogoImage.h"
#include "turtle/drawingListPicture.h"
#include "values/eLogoException.h"
#include "values/tLogoRef.h"

namespace {

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

tLogoPicture pictureOfDrawingList(tlogoobject* list, const tListPlacement& placement)
{
    tDrawingList drawing(list, placement.style);
    const tTurtleShape::tView view = drawingListView(drawing, placement.at, placement.heading);
    if (view.picture.isNull()) throw eLogoException(erEmptyImage, list);
    return pictureOfArgb(view.picture, view.hotX, view.hotY);
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
