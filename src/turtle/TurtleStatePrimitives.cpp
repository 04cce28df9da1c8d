#include "turtle/turtlePrimitives.h"

#include <vector>

#include "mainobj/primitiveTable.h"
#include "mainobj/tPrimitiveCall.h"
#include "turtle/colours/colourValues.h"
#include "turtle/penSettings.h"
#include "turtle/tLogoTurtleParams.h"
#include "turtle/turtleAccess.h"
#include "values/eLogoException.h"
#include "values/registration.h"
#include "values/tListBuilder.h"
#include "values/tLogoInt.h"
#include "values/tLogoList.h"
#include "values/tLogoString.h"
#include "values/valuePools.h"

// The turtle's state in one list: "turtlestate", "penstate" and "setpenstate".

namespace {

// The short word of a primitive ("st" for "showturtle"): its last synonym.
tlogoobject* shortWord(const char* key) { return NewWord(registrationNames(key).back()); }

tlogoobject* turtlestate(tPrimitiveCall&)
{
    tLogoTurtleParams& turtle = currentTurtle();
    tListBuilder state;
    state.Append(newCoordinate(turtle.screen->LogoX(turtle.position.x)));
    state.Append(newCoordinate(turtle.screen->LogoY(turtle.position.y)));
    state.Append(newCoordinate(turtle.heading));
    state.Append(penStateWord(turtle.penState));
    state.Append(shortWord(turtle.shown ? "showturtle" : "hideturtle"));
    // The kind's default shape has no value of its own.
    state.Append(turtle.shapeValue ? turtle.shapeValue.get() : new tLogoList);
    return state.Take();
}

tlogoobject* penstate(tPrimitiveCall&)
{
    tLogoTurtleParams& turtle = currentTurtle();
    tListBuilder state;
    state.Append(penStateWord(turtle.penState));
    state.Append(colourToValue(tColour::FromRgb(turtle.pen.colour)));
    state.Append(NewInteger(turtle.pen.width));
    state.Append(NewInteger(turtle.pen.pattern));
    return state.Take();
}

// All four are checked before any is taken, so a refused list changes nothing. The colour is
// the fill colour too, as "setpencolour" makes it.
tlogoobject* setpenstate(tPrimitiveCall& call)
{
    tLogoList* list = call.list(0);
    std::vector<tlogoobject*> parts;
    for (tlogoobject* element : elements(list)) parts.push_back(element);
    if (parts.size() != 4) throw eLogoException(erBadStructure, list);
    tLogoTurtleParams& turtle = currentTurtle();
    const tPenState state = penStateOf(parts[0]);
    const uint32_t colour = colourFromValue(*parts[1]).Rgb();
    const int32_t width = penWidthOf(parts[2]);
    const int32_t pattern = penPatternOf(parts[3]);
    turtle.penState = state;
    turtle.pen = {colour, width, pattern};
    turtle.brush.colour = colour;
    return nullptr;
}

constexpr tPrimitiveRow kStateRows[] = {
    {"turtlestate", 0, kFixedInputs, &turtlestate},
    {"penstate", 0, kFixedInputs, &penstate},
    {"setpenstate", 1, kFixedInputs, &setpenstate},
};

}  // namespace

void registerTurtleStatePrimitives(tLogoTab& table) { registerPrimitives(table, kStateRows); }
