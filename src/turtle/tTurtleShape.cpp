#include "turtle/tTurtleShape.h"

namespace {
tTurtleShapeMaker& installedMaker()
{
    static tTurtleShapeMaker maker;
    return maker;
}
}  // namespace

void setTurtleShapeMaker(tTurtleShapeMaker maker) { installedMaker() = std::move(maker); }

const tTurtleShapeMaker& turtleShapeMaker() { return installedMaker(); }
