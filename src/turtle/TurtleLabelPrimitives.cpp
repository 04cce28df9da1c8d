#include "turtle/turtlePrimitives.h"

#include <mutex>

#include "mainobj/primitiveTable.h"
#include "mainobj/tPrimitiveCall.h"
#include "turtle/fontDescription.h"
#include "turtle/labelText.h"
#include "turtle/penDrawing.h"
#include "turtle/tLogoTurtleParams.h"
#include "turtle/moveEvents.h"
#include "turtle/turtleAccess.h"
#include "values/tListBuilder.h"
#include "values/tLogoInt.h"
#include "values/tLogoList.h"
#include "values/valuePools.h"

// Text written where the turtle stands, along its heading, in its font and pen colour.

namespace {

tLabelPlacement writeLabel(tLogoTurtleParams& turtle, tlogoobject* text)
{
    const std::string written = text->PrintText(0);
    prepareFonts();
    std::lock_guard<std::mutex> hold(turtle.screen->pictureLock);
    const tPixelRect clip = rangeClip(turtle.rangeRect);
    const tLabel label{written, turtle.position, turtle.heading, turtle.font, turtle.pen.colour, turtle.screen->backgroundColour};
    return drawLabel(turtle.screen->picture, label, turtle.hasRange ? &clip : nullptr);
}

tlogoobject* label(tPrimitiveCall& call)
{
    writeLabel(currentTurtle(), call[0]);
    return nullptr;
}

// The turtle then goes, without drawing, to just after the end of the last line.
tlogoobject* label2(tPrimitiveCall& call)
{
    tLogoTurtleParams& turtle = currentTurtle();
    const tLabelPlacement placed = writeLabel(turtle, call[0]);
    announceMove(addressedObject(), turtle.MoveTo(placed.end, turtle.rangeStyle, tPenState::kUp));
    return nullptr;
}

tlogoobject* textsize(tPrimitiveCall& call)
{
    const tTextExtent extent = measureText(currentTurtle().font, call[0]->PrintText(0));
    tListBuilder size;
    for (int number : {extent.width, extent.height, extent.ascent, extent.leading}) size.Append(NewInteger(number));
    return size.Take();
}

tlogoobject* settt(tPrimitiveCall& call)
{
    tLogoTurtleParams& turtle = currentTurtle();
    tListBuilder description;
    description.Append(call[0]);
    description.Append(call[1]);
    tLogoRef<tlogoobject> given(description.Take());
    turtle.font = fontFromDescription(turtle.font, given.get());
    return nullptr;
}

constexpr tPrimitiveRow kLabelRows[] = {
    {"label", 1, kFixedInputs, &label},
    {"label2", 1, kFixedInputs, &label2},
    {"textsize", 1, kFixedInputs, &textsize},
    {"settt", 2, kFixedInputs, &settt},
};

}  // namespace

void registerTurtleLabelPrimitives(tLogoTab& table) { registerPrimitives(table, kLabelRows); }
