#include "images/builtInImages.h"

#include <QPainter>
#include <QPolygon>

#include "images/imageTransforms.h"
#include "images/tLogoImage.h"
#include "language/Language.h"

namespace {

constexpr int kWidth = 15, kHeight = 27, kHotX = 7, kHotY = 13;
constexpr int kDirections = 24;
constexpr int kDelay = 100;

// The turtle pointing up: a green arrowhead on a transparent ground, its hot spot in the middle.
tLogoPicture turtlePicture()
{
    QImage shape(kWidth, kHeight, QImage::Format_RGB32);
    shape.fill(Qt::white);
    {
        QPainter painter(&shape);
        painter.setPen(QColor(0, 100, 0));
        painter.setBrush(QColor(0, 160, 0));
        painter.drawPolygon(QPolygon({QPoint(kHotX, 0), QPoint(kWidth - 1, kHeight - 1), QPoint(kHotX, kHeight - 7),
                                      QPoint(0, kHeight - 1)}));
    }
    tLogoPicture picture;
    picture.mask = maskFromBitmap(shape);
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x)
            if (picture.mask.pixelIndex(x, y) == 1) shape.setPixel(x, y, qRgb(0, 0, 0));
    picture.colour = shape;
    picture.hotX = kHotX;
    picture.hotY = kHotY;
    picture.delay = kDelay;
    return picture;
}

tLogoImage* makeTurtle()
{
    auto* image = new tLogoImage;
    const tLogoPicture upright = turtlePicture();
    for (int i = 0; i < kDirections; ++i)
        image->frames.push_back(makeFrame({i == 0 ? upright : rotatedPicture(upright, i * 360.0L / kDirections)}));
    image->style = tLogoImage::styleHeading;
    AddRef(image);  // kept for the program's life
    return image;
}

}  // namespace

tLogoImage* builtInImage(std::string_view name, std::string_view extension)
{
    if (!sameWord(name, "turtle") || !sameWord(extension, ".LGF")) return nullptr;
    static tLogoImage* turtle = makeTurtle();
    // A copy sharing the frames: callers own what they get.
    return static_cast<tLogoImage*>(turtle->Clone());
}
