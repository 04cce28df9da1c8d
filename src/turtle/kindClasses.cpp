#include "turtle/kindClasses.h"

#include "turtle/pagePrimitives.h"
#include "turtle/turtlePrimitives.h"

void tTurtlePrototype::SetUpTables()
{
    tControlObject::SetUpTables();
    registerTurtleLifecycle(*procTable);
    registerTurtleMotionPrimitives(*procTable);
    registerTurtlePenPrimitives(*procTable);
    registerTurtleDrawingPrimitives(*procTable);
    registerTurtleFigurePrimitives(*procTable);
    registerTurtleLabelPrimitives(*procTable);
    registerTurtleStatePrimitives(*procTable);
    declareTurtleProperties(*this);
}

void tPagePrototype::SetUpTables()
{
    tControlObject::SetUpTables();
    registerPagePrimitives(*procTable);
    registerPageDrawingPrimitives(*procTable);
    declarePageProperties(*this);
}
