#include "turtle/pagePrimitives.h"

#include "mainobj/primitiveTable.h"
#include "mainobj/tPrimitiveCall.h"
#include "turtle/tLogoTurtleParams.h"
#include "turtle/colours/colourValues.h"
#include "turtle/tgrScreen.h"
#include "turtle/turtleAccess.h"
#include "values/tLogoList.h"
#include "values/valuePools.h"

namespace {

tlogoobject* cleanbgpicture(tPrimitiveCall&)
{
    currentScreen().Clean();
    return nullptr;
}

// Every turtle goes home first, in drawing order, so none of them draws on the clean picture.
tlogoobject* clearscreen(tPrimitiveCall&)
{
    tgrScreen& screen = currentScreen();
    for (tLogoTurtleParams* turtle : screen.Turtles()) turtle->Home();
    screen.Clean();
    return nullptr;
}

tlogoobject* dotcolourat(tPrimitiveCall& call)
{
    tgrScreen& screen = currentScreen();
    const tRealPoint logo = pointOf(call[0]);
    const tRealPoint at = screen.ToSurface(logo.x, logo.y);
    const uint32_t colour = screen.PixelAt(roundPixel(at.x), roundPixel(at.y));
    return colourToValue(tColour::FromRgb(colour));
}

tlogoobject* upperleft(tPrimitiveCall&)
{
    tgrScreen& screen = currentScreen();
    return newPointList(-screen.originX, screen.originY);
}

constexpr tPrimitiveRow kPageRows[] = {
    {"cleanbgpicture", 0, kFixedInputs, &cleanbgpicture},
    {"clearscreen", 0, kFixedInputs, &clearscreen},
    {"dotcolourat", 1, kFixedInputs, &dotcolourat},
    {"upperleft", 0, kFixedInputs, &upperleft},
};

}  // namespace

void registerPagePrimitives(tLogoTab& table) { registerPrimitives(table, kPageRows); }
