#include "turtle/turtlePrimitives.h"

#include <QPainter>

#include <mutex>

#include "interpreter/tLogoLocaltab.h"
#include "interpreter/tProcessContext.h"
#include "language/Language.h"
#include "mainobj/primitiveTable.h"
#include "mainobj/tPrimitiveCall.h"
#include "turtle/colours/colourValues.h"
#include "turtle/floodFill.h"
#include "turtle/penDrawing.h"
#include "turtle/tLogoTurtleParams.h"
#include "turtle/turtleAccess.h"
#include "turtle/turtleShape.h"
#include "values/eLogoException.h"

// What a turtle draws where it stands, whatever its pen state: dots, circles, fills; and the
// colour under it.

namespace {

constexpr int32_t kLargestAnyPoint = 100;

tPixel pixelOf(const tLogoTurtleParams& turtle) { return {roundPixel(turtle.position.x), roundPixel(turtle.position.y)}; }

// Runs the drawing with the picture locked and the turtle's own range as the clip.
template <class Draw>
void drawLocked(tLogoTurtleParams& turtle, Draw draw)
{
    std::lock_guard<std::mutex> hold(turtle.screen->pictureLock);
    const tPixelRect clip = rangeClip(turtle.rangeRect);
    draw(turtle.hasRange ? &clip : nullptr);
}

tlogoobject* dot(tPrimitiveCall&)
{
    tLogoTurtleParams& turtle = currentTurtle();
    drawLocked(turtle, [&](const tPixelRect* clip) {
        drawDisc(turtle.screen->picture, pixelOf(turtle), turtle.pen.width, turtle.pen.colour, clip);
    });
    return nullptr;
}

tlogoobject* point(tPrimitiveCall& call)
{
    tLogoTurtleParams& turtle = currentTurtle();
    tlogoobject* input = call[0];
    const int32_t diameter = input->IsAnyWord() && !input->IsNumber() ? input->AsIntegerIn(1, kLargestAnyPoint)
                                                                      : input->AsInteger();
    if (diameter < 1) throw eLogoException(erMinMax, 1, kLargestAnyPoint, input);
    drawLocked(turtle, [&](const tPixelRect* clip) {
        drawDisc(turtle.screen->picture, pixelOf(turtle), diameter, turtle.pen.colour, clip);
    });
    return nullptr;
}

tlogoobject* dotcolor(tPrimitiveCall&)
{
    tLogoTurtleParams& turtle = currentTurtle();
    const tPixel at = pixelOf(turtle);
    return colourToValue(tColour::FromRgb(turtle.screen->PixelAt(at.x, at.y)));
}

template <bool Filled>
tlogoobject* circle(tPrimitiveCall& call)
{
    tLogoTurtleParams& turtle = currentTurtle();
    const long double radius = call.real(0) / 2;
    const tRealPoint& at = turtle.position;
    const tPixelRect box{roundPixel(at.x - radius), roundPixel(at.y - radius), roundPixel(at.x + radius),
                         roundPixel(at.y + radius)};
    drawLocked(turtle, [&](const tPixelRect* clip) {
        drawEllipse(turtle.screen->picture, box, turtle.pen, Filled ? &turtle.brush : nullptr, clip);
    });
    return nullptr;
}

// "fillmode" 1 fills up to the pen colour; 0 (also when missing or out of range) fills the
// colour under the turtle.
int32_t fillMode()
{
    tlogoobject* value = requireContext().localTable->FindValue(nameCode("fillmode"));
    if (!value || !value->IsNumber()) return 0;
    try {
        const int32_t mode = value->AsInteger();
        return mode == 1 ? 1 : 0;
    } catch (const eLogoException&) {
        return 0;
    }
}

tlogoobject* fill(tPrimitiveCall&)
{
    tLogoTurtleParams& turtle = currentTurtle();
    const bool upToPen = fillMode() == 1;
    drawLocked(turtle, [&](const tPixelRect* clip) {
        const tPixelRect whole{0, 0, turtle.screen->Width() - 1, turtle.screen->Height() - 1};
        floodFill(turtle.screen->picture, pixelOf(turtle), turtle.brush.colour, clip ? *clip : whole,
                  upToPen ? &turtle.pen.colour : nullptr);
    });
    return nullptr;
}

// The turtle's look drawn into the picture, where it would be shown, whether shown or not.
tlogoobject* stamp(tPrimitiveCall&)
{
    tLogoTurtleParams& turtle = currentTurtle();
    drawLocked(turtle, [&](const tPixelRect* clip) {
        QPainter painter(&turtle.screen->picture);
        preparePainter(painter, clip);
        drawTurtleShape(painter, turtle);
    });
    return nullptr;
}

constexpr tPrimitiveRow kDrawingRows[] = {
    {"dot", 0, kFixedInputs, &dot},
    {"point", 1, kFixedInputs, &point},
    {"dotcolor", 0, kFixedInputs, &dotcolor},
    {"circle", 1, kFixedInputs, &circle<false>},
    {"filledcircle", 1, kFixedInputs, &circle<true>},
    {"fill", 0, kFixedInputs, &fill},
    {"stamp", 0, kFixedInputs, &stamp},
};

}  // namespace

void registerTurtleDrawingPrimitives(tLogoTab& table) { registerPrimitives(table, kDrawingRows); }
