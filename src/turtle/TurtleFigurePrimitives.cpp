#include "turtle/turtlePrimitives.h"

#include <mutex>

#include "language/Language.h"
#include "mainobj/primitiveTable.h"
#include "mainobj/tPrimitiveCall.h"
#include "turtle/penDrawing.h"
#include "turtle/tDrawingList.h"
#include "turtle/tLogoTurtleParams.h"
#include "turtle/turtleAccess.h"
#include "values/eLogoException.h"
#include "values/tListBuilder.h"
#include "values/tLogoList.h"
#include "values/tLogoString.h"
#include "values/valuePools.h"

// Figures described by drawing lists, drawn where the turtle stands and as it looks, with its
// pen, fill and font; the turtle stays where it is.

namespace {

void drawAtTurtle(tlogoobject* list)
{
    tLogoTurtleParams& turtle = currentTurtle();
    if (!list->IsList()) throw eLogoException(erExpectList, list);
    tDrawingList figure(list, {turtle.pen, turtle.brush, turtle.font});
    figure.Place(turtle.position, 1, 1, turtle.heading);
    std::lock_guard<std::mutex> hold(turtle.screen->pictureLock);
    const tPixelRect clip = rangeClip(turtle.rangeRect);
    figure.Render(turtle.screen->picture, turtle.screen->backgroundColour, turtle.hasRange ? &clip : nullptr);
}

// The single-figure commands are the drawing-list word of the same name with the input.
template <const char* Key>
tlogoobject* figure(tPrimitiveCall& call)
{
    if (!call[0]->IsList()) throw eLogoException(erExpectList, call[0]);
    tListBuilder item;
    item.Append(NewWord(primaryName(Key)));
    item.Append(call[0]);
    tLogoRef<tlogoobject> list(item.Take());
    drawAtTurtle(list.get());
    return nullptr;
}

tlogoobject* drawlist(tPrimitiveCall& call)
{
    drawAtTurtle(call[0]);
    return nullptr;
}

constexpr char kPolygon[] = "polygon";
constexpr char kEllipse[] = "ellipse";
constexpr char kFilledEllipse[] = "filledellipse";
constexpr char kOutline[] = "outline";
constexpr char kDrawSpline[] = "drawspline";

constexpr tPrimitiveRow kFigureRows[] = {
    {"polygon", 1, kFixedInputs, &figure<kPolygon>},
    {"ellipse", 1, kFixedInputs, &figure<kEllipse>},
    {"filledellipse", 1, kFixedInputs, &figure<kFilledEllipse>},
    {"outline", 1, kFixedInputs, &figure<kOutline>},
    {"drawspline", 1, kFixedInputs, &figure<kDrawSpline>},
    {"drawlist", 1, kFixedInputs, &drawlist},
};

}  // namespace

void registerTurtleFigurePrimitives(tLogoTab& table) { registerPrimitives(table, kFigureRows); }
