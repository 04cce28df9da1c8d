#include "turtle/turtlePrimitives.h"

#include "mainobj/primitiveTable.h"
#include "mainobj/tPrimitiveCall.h"
#include "turtle/tLogoTurtleParams.h"
#include "turtle/turtleAccess.h"

// The pen states and the turtle's visibility.

namespace {

template <tPenState State>
tlogoobject* setPenState(tPrimitiveCall&)
{
    currentTurtle().penState = State;
    return nullptr;
}

template <bool Shown>
tlogoobject* setShown(tPrimitiveCall&)
{
    currentTurtle().shown = Shown;
    return nullptr;
}

constexpr tPrimitiveRow kPenRows[] = {
    {"penup", 0, kFixedInputs, &setPenState<tPenState::kUp>},
    {"pendown", 0, kFixedInputs, &setPenState<tPenState::kDown>},
    {"penreverse", 0, kFixedInputs, &setPenState<tPenState::kReverse>},
    {"penerase", 0, kFixedInputs, &setPenState<tPenState::kErase>},
    {"showturtle", 0, kFixedInputs, &setShown<true>},
    {"hideturtle", 0, kFixedInputs, &setShown<false>},
};

}  // namespace

void registerTurtlePenPrimitives(tLogoTab& table) { registerPrimitives(table, kPenRows); }
