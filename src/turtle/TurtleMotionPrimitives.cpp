#include "turtle/turtlePrimitives.h"

#include "interpreter/tProcessContext.h"
#include "mainobj/primitiveTable.h"
#include "mainobj/tPrimitiveCall.h"
#include "objects/objectNames.h"
#include "objects/tmultiobject.h"
#include "turtle/anyInputs.h"
#include "turtle/rangeRectangles.h"
#include "turtle/tLogoTurtleParams.h"
#include "turtle/moveEvents.h"
#include "turtle/pointerPrimitives.h"
#include "turtle/turtleAccess.h"
#include "turtle/turtleGlide.h"
#include "values/eLogoException.h"
#include "values/valuePools.h"

// Position and heading: moves, turns and the questions about them.

namespace {

tlogoobject* forward(tPrimitiveCall& call)
{
    announceMove(addressedObject(), currentTurtle().Forward(realOrAny(call[0], tAnyRange::kForward)));
    return nullptr;
}

tlogoobject* back(tPrimitiveCall& call)
{
    announceMove(addressedObject(), currentTurtle().Forward(-realOrAny(call[0], tAnyRange::kForward)));
    return nullptr;
}

tlogoobject* left(tPrimitiveCall& call)
{
    tLogoTurtleParams& turtle = currentTurtle();
    turtle.TurnTo(turtle.heading - realOrAny(call[0], tAnyRange::kLeft));
    return nullptr;
}

tlogoobject* right(tPrimitiveCall& call)
{
    tLogoTurtleParams& turtle = currentTurtle();
    turtle.TurnTo(turtle.heading + realOrAny(call[0], tAnyRange::kRight));
    return nullptr;
}

tlogoobject* home(tPrimitiveCall&)
{
    announceMove(addressedObject(), currentTurtle().Home());
    return nullptr;
}

tlogoobject* setxy(tPrimitiveCall& call)
{
    tLogoTurtleParams& turtle = currentTurtle();
    announceMove(addressedObject(),
                   turtle.MoveTo(turtle.screen->ToSurface(call.real(0), call.real(1)), turtle.rangeStyle, turtle.penState));
    return nullptr;
}

// Never wraps: window stays window, every other style acts as a fence.
tlogoobject* dotSetpos(tPrimitiveCall& call)
{
    tLogoTurtleParams& turtle = currentTurtle();
    const tEdgeStyle style = turtle.rangeStyle == tEdgeStyle::kWindow ? tEdgeStyle::kWindow : tEdgeStyle::kFence;
    announceMove(addressedObject(), turtle.MoveTo(surfacePosition(*turtle.screen, call[0]), style, turtle.penState));
    return nullptr;
}

// A jump to a surface point that never draws and ignores the range.
tlogoobject* dotSetapos(tPrimitiveCall& call)
{
    announceMove(addressedObject(), currentTurtle().MoveTo(pointOf(call[0]), tEdgeStyle::kWindow, tPenState::kUp));
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

// "wrap" and "window" set the edge mode and the range (the whole picture without an input), and
// show the turtle only within it; wrapping puts a turtle that window mode let out back inside,
// without drawing.
tlogoobject* setEdgeStyle(tPrimitiveCall& call, tEdgeStyle style)
{
    if (call.count() > 1) throw eLogoException(erTooManyInputs);
    tLogoTurtleParams& turtle = currentTurtle();
    std::optional<tRealRect> range;
    if (call.count() == 1)
        if (std::optional<tRealRect> given = readRectangle(*turtle.screen, call[0])) range = turtleRangeOf(*given);
    turtle.rangeStyle = style;
    turtle.SetRange(range);
    turtle.screen->ChangeLook([&] { turtle.shownRange = range; });
    return nullptr;
}

tlogoobject* wrap(tPrimitiveCall& call) { return setEdgeStyle(call, tEdgeStyle::kWrap); }
tlogoobject* window(tPrimitiveCall& call) { return setEdgeStyle(call, tEdgeStyle::kWindow); }

tlogoobject* glide(tPrimitiveCall& call)
{
    glideTurtle(addressedObject(), call[0], call[1]);
    return nullptr;
}

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
    {"glide", 2, kFixedInputs, &glide},
};

}  // namespace

void registerTurtleMotionPrimitives(tLogoTab& table)
{
    registerPrimitives(table, kMotionRows);
    registerTurtlePointerPrimitives(table);
}
