#include "images/picturePrimitives.h"

#include <QPainter>

#include <mutex>

#include "images/takenImages.h"
#include "images/tLogoImage.h"
#include "images/valuePictures.h"
#include "mainobj/primitiveTable.h"
#include "mainobj/tPrimitiveCall.h"
#include "turtle/penDrawing.h"
#include "turtle/tLogoTurtleParams.h"
#include "turtle/turtleAccess.h"
#include "turtle/turtleOverlap.h"
#include "turtle/turtleShape.h"
#include "values/eLogoException.h"

// Pictures at the turtle: an image (or drawing list) drawn into the page with its hot spot on
// the turtle, scaled by the shape scale; images made of drawing lists; the turtle's own look as
// an image.

namespace {

// Drawing lists start from the turtle's pen, fill and font, where it stands, as it looks.
tListPlacement atTurtle(const tLogoTurtleParams& turtle)
{
    return {{turtle.pen, turtle.brush, turtle.font}, turtle.position, turtle.heading};
}

tlogoobject* stamppicture(tPrimitiveCall& call)
{
    tLogoTurtleParams& turtle = currentTurtle();
    const tLogoPicture picture = pictureOfValue(call[0], atTurtle(turtle));
    const tTurtleShape::tView view =
        scaledView({picture.Composed(), picture.hotX, picture.hotY, picture.delay}, turtle.scaleX, turtle.scaleY);
    const QPoint corner(static_cast<int>(roundPixel(turtle.position.x)) - view.hotX,
                        static_cast<int>(roundPixel(turtle.position.y)) - view.hotY);
    std::lock_guard<std::mutex> hold(turtle.screen->pictureLock);
    const tPixelRect clip = rangeClip(turtle.rangeRect);
    QPainter painter(&turtle.screen->picture);
    preparePainter(painter, turtle.hasRange ? &clip : nullptr);
    if (!view.picture.isNull()) painter.drawImage(corner, view.picture);
    return nullptr;
}

tlogoobject* getimage(tPrimitiveCall& call)
{
    tLogoTurtleParams& turtle = currentTurtle();
    if (!call[0]->IsList()) throw eLogoException(erExpectList, call[0]);
    return takenImage(pictureOfDrawingList(call[0], atTurtle(turtle)), imageMode(), turtle.screen->backgroundColour);
}

// What the page shows of the turtle, drawn alone on a transparent picture of its bounds, the
// hot spot on the turtle's pixel.
tlogoobject* shapeimage(tPrimitiveCall&)
{
    tLogoTurtleParams& turtle = currentTurtle();
    const tShapeBounds bounds = turtleBounds(turtle);
    QImage look(static_cast<int>(bounds.Width()), static_cast<int>(bounds.Height()), QImage::Format_ARGB32);
    if (look.isNull()) throw eLogoException(erEmptyImage);
    look.fill(Qt::transparent);
    {
        QPainter painter(&look);
        painter.translate(static_cast<qreal>(-bounds.left), static_cast<qreal>(-bounds.top));
        drawTurtleShape(painter, turtle);
    }
    const tLogoPicture picture =
        pictureOfArgb(look, static_cast<int32_t>(roundPixel(turtle.position.x) - bounds.left),
                      static_cast<int32_t>(roundPixel(turtle.position.y) - bounds.top));
    return takenImage(picture, tImageMode::kOpaque, turtle.screen->backgroundColour);
}

constexpr tPrimitiveRow kTurtlePictureRows[] = {
    {"stamppicture", 1, kFixedInputs, &stamppicture},
    {"getimage", 1, kFixedInputs, &getimage},
    {"shapeimage", 0, kFixedInputs, &shapeimage},
};

}  // namespace

void registerTurtlePicturePrimitives(tLogoTab& table) { registerPrimitives(table, kTurtlePictureRows); }
