#pragma once

class tLogoTab;
class tmultiobject;

// The families of the turtle kind, registered into the turtle class object's tables.
void registerTurtleMotionPrimitives(tLogoTab& table);
void registerTurtlePenPrimitives(tLogoTab& table);
void registerTurtleDrawingPrimitives(tLogoTab& table);
void registerTurtleFigurePrimitives(tLogoTab& table);
void registerTurtleLabelPrimitives(tLogoTab& table);
void registerTurtleStatePrimitives(tLogoTab& table);
void registerTurtleOverlapPrimitives(tLogoTab& table);
void registerTurtleStackingPrimitives(tLogoTab& table);
// "create" makes the graphic part of a new turtle, "destroy" takes it off its page.
void registerTurtleLifecycle(tLogoTab& table);
void declareTurtleProperties(tmultiobject& turtleClass);
// Scale, colour and animation of the worn shape.
void declareTurtleLookProperties(tmultiobject& turtleClass);
