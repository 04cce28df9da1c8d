#include "images/picturePrimitives.h"

#include <QPainter>

#include <mutex>
#include <optional>

#include "images/imageFiles.h"
#include "images/picturePlacement.h"
#include "images/takenImages.h"
#include "images/tLogoImage.h"
#include "images/valuePictures.h"
#include "mainobj/primitiveTable.h"
#include "mainobj/tPrimitiveCall.h"
#include "objects/propertyDeclaration.h"
#include "objects/tmultiobject.h"
#include "turtle/rangeRectangles.h"
#include "turtle/tgrScreen.h"
#include "turtle/turtleAccess.h"
#include "values/eLogoException.h"
#include "values/tLogoRef.h"

// Pictures in and out of a page's picture: parts taken as images, images put in or loaded as
// the whole background, the picture written to a file.

namespace {

// Drawing lists given to the page start from the plain style at the picture's corner.
const tListPlacement kOnPage{};

QImage wholePicture(tgrScreen& screen)
{
    std::lock_guard<std::mutex> hold(screen.pictureLock);
    return screen.picture.copy();
}

// The picture is cleared to white, then the image drawn at its top-left corner.
void loadInto(tgrScreen& screen, const tLogoPicture& picture)
{
    std::lock_guard<std::mutex> hold(screen.pictureLock);
    screen.picture.fill(QColor(Qt::white));
    QPainter painter(&screen.picture);
    painter.drawImage(QPoint(0, 0), picture.Composed());
}

// The rectangle's pixels (the whole picture for the empty list); what lies outside the picture
// is the background colour, as "dotcolourat" sees it.
tlogoobject* takepicture(tPrimitiveCall& call)
{
    tgrScreen& screen = currentScreen();
    const std::optional<tRealRect> given = readRectangle(screen, call[0]);
    const tRealRect area = given ? *given : tRealRect{0, static_cast<long double>(screen.Width()), 0,
                                                      static_cast<long double>(screen.Height())};
    const QRect part(QPoint(static_cast<int>(roundPixel(area.left)), static_cast<int>(roundPixel(area.top))),
                     QPoint(static_cast<int>(roundPixel(area.right)) - 1, static_cast<int>(roundPixel(area.bottom)) - 1));
    if (part.isEmpty()) return new tLogoImage;
    tLogoPicture taken;
    taken.colour = QImage(part.size(), QImage::Format_RGB32);
    if (taken.colour.isNull()) throw eLogoException(erEmptyImage, call[0]);
    taken.hotX = taken.Width() / 2;
    taken.hotY = taken.Height() / 2;
    {
        std::lock_guard<std::mutex> hold(screen.pictureLock);
        taken.colour.fill(QColor::fromRgb(0xFF000000u | screen.backgroundColour));
        QPainter painter(&taken.colour);
        painter.drawImage(QPoint(0, 0), screen.picture, part);
    }
    return takenImage(taken, imageMode(), screen.backgroundColour);
}

tlogoobject* putpicture(tPrimitiveCall& call)
{
    tgrScreen& screen = currentScreen();
    const tLogoPicture picture = pictureOfValue(call[0], kOnPage);
    const tPutPlacement placement = readPutParameters(screen, call[1]);
    std::lock_guard<std::mutex> hold(screen.pictureLock);
    putPicture(screen.picture, picture, placement);
    return nullptr;
}

tlogoobject* loadbgpicture(tPrimitiveCall& call)
{
    loadInto(currentScreen(), pictureOfValue(call[0], kOnPage));
    return nullptr;
}

tlogoobject* savebgpicture(tPrimitiveCall& call)
{
    const tLogoRef<tLogoImage> image(imageOfBitmap(wholePicture(currentScreen())));
    saveImageNamed(call.word(0), image.get(), tSaveMode::save);
    return nullptr;
}

constexpr tPrimitiveRow kPagePictureRows[] = {
    {"takepicture", 1, kFixedInputs, &takepicture},
    {"putpicture", 2, kFixedInputs, &putpicture},
    {"loadbgpicture", 1, kFixedInputs, &loadbgpicture},
    {"savebgpicture", 1, kFixedInputs, &savebgpicture},
};

tlogoobject* getBgPicture(tmultiobject& object) { return imageOfBitmap(wholePicture(surfaceOf(object))); }
// The page takes the image's size before the image is loaded.
void setBgPicture(tmultiobject& object, tlogoobject* value)
{
    tgrScreen& surface = surfaceOf(object);
    const tLogoPicture picture = pictureOfValue(value, kOnPage);
    surface.Resize(picture.Width(), picture.Height());
    loadInto(surface, picture);
}

const tBoundProperty kBgPicture{&getBgPicture, &setBgPicture};

}  // namespace

void registerPagePicturePrimitives(tLogoTab& table) { registerPrimitives(table, kPagePictureRows); }

void declarePagePictureProperties(tmultiobject& pageClass)
{
    declareProperty(pageClass, boundPropertyDeclaration(37, {}, 0, kBgPicture));
}
