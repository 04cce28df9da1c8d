#include "turtle/turtlePrimitives.h"

#include "interpreter/tProcessContext.h"
#include "mainobj/primitiveTable.h"
#include "mainobj/tPrimitiveCall.h"
#include "objects/objectNames.h"
#include "objects/tmultiobject.h"
#include "turtle/tLogoTurtleParams.h"
#include "turtle/turtleAccess.h"
#include "values/eLogoException.h"
#include "values/valuePools.h"

// Position and heading: moves, turns and the questions about them.

namespace {

tlogoobject* forward(tPrimitiveCall& call)
{
    currentTurtle().Forward(call.real(0));
    return nullptr;
}

tlogoobject* back(tPrimitiveCall& call)
{
    currentTurtle().Forward(-call.real(0));
    return nullptr;
}

tlogoobject* left(tPrimitiveCall& call)
{
    tLogoTurtleParams& turtle = currentTurtle();
    turtle.SetHeading(turtle.heading - call.real(0));
    return nullptr;
}

tlogoobject* right(tPrimitiveCall& call)
{
    tLogoTurtleParams& turtle = currentTurtle();
    turtle.SetHeading(turtle.heading + call.real(0));
    return nullptr;
}

tlogoobject* home(tPrimitiveCall&)
{
    currentTurtle().Home();
    return nullptr;
}

tlogoobject* setxy(tPrimitiveCall& call)
{
    tLogoTurtleParams& turtle = currentTurtle();
    turtle.MoveTo(turtle.screen->ToSurface(call.real(0), call.real(1)), turtle.rangeStyle, turtle.penState);
    return nullptr;
}

// Never wraps: window stays window, every other style acts as a fence.
tlogoobject* dotSetpos(tPrimitiveCall& call)
{
    tLogoTurtleParams& turtle = currentTurtle();
    const tRealPoint logo = pointOf(call[0]);
    const tEdgeStyle style = turtle.rangeStyle == tEdgeStyle::kWindow ? tEdgeStyle::kWindow : tEdgeStyle::kFence;
    turtle.MoveTo(turtle.screen->ToSurface(logo.x, logo.y), style, turtle.penState);
    return nullptr;
}

// A jump to a surface point that never draws and ignores the range.
tlogoobject* dotSetapos(tPrimitiveCall& call)
{
    currentTurtle().MoveTo(pointOf(call[0]), tEdgeStyle::kWindow, tPenState::kUp);
    return nullptr;
}

tlogoobject* towards(tPrimitiveCall& call)
{
    tLogoTurtleParams& turtle = currentTurtle();
    tlogoobject* target = call[0];
    if (target->IsWord()) {
        auto* here = static_cast<tmultiobject*>(requireContext().currentObject);
        tmultiobject* named = resolveObjectPath(here, target->WordText());
        if (!named) throw eLogoException(erTurtleUnknown, target);
        tLogoTurtleParams* other = nullptr;
        try {
            other = &turtleOf(named);
        } catch (const eLogoException&) {
            throw eLogoException(erTurtleUnknown, target);
        }
        return newCoordinate(turtle.Towards(other->position));
    }
    const tRealPoint logo = pointOf(target);
    return newCoordinate(turtle.Towards(turtle.screen->ToSurface(logo.x, logo.y)));
}

// "wrap" and "window" set the edge mode; their optional range comes with the range property.
// Wrapping puts a turtle that window mode let out back inside, without drawing.
tlogoobject* setEdgeStyle(tPrimitiveCall& call, tEdgeStyle style)
{
    if (call.count() > 1) throw eLogoException(erTooManyInputs);
    tLogoTurtleParams& turtle = currentTurtle();
    turtle.hasRange = false;
    turtle.rangeStyle = style;
    if (style != tEdgeStyle::kWindow) turtle.MoveTo(turtle.position, tEdgeStyle::kFence, tPenState::kUp);
    return nullptr;
}

tlogoobject* wrap(tPrimitiveCall& call) { return setEdgeStyle(call, tEdgeStyle::kWrap); }
tlogoobject* window(tPrimitiveCall& call) { return setEdgeStyle(call, tEdgeStyle::kWindow); }

constexpr tPrimitiveRow kMotionRows[] = {
    {"forward", 1, kFixedInputs, &forward},
    {"back", 1, kFixedInputs, &back},
    {"left", 1, kFixedInputs, &left},
    {"right", 1, kFixedInputs, &right},
    {"home", 0, kFixedInputs, &home},
    {"setxy", 2, kFixedInputs, &setxy},
    {".setpos", 1, kFixedInputs, &dotSetpos},
    {".setapos", 1, kFixedInputs, &dotSetapos},
    {"towards", 1, kFixedInputs, &towards},
    {"wrap", 0, kVariableInputs, &wrap},
    {"window", 0, kVariableInputs, &window},
};

}  // namespace

void registerTurtleMotionPrimitives(tLogoTab& table) { registerPrimitives(table, kMotionRows); }
