#include "turtle/kindClasses.h"

#include "turtle/kindAdditions.h"
#include "turtle/pagePrimitives.h"
#include "turtle/tlogopane.h"
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
    registerTurtleOverlapPrimitives(*procTable);
    registerTurtleStackingPrimitives(*procTable);
    // A turtle works on the surface it lives on, so the page's commands ("clean", "cs",
    // "bgline" ...) are its own too: told turtles reach them without naming their page.
    registerPagePrimitives(*procTable);
    registerPageDrawingPrimitives(*procTable);
    declareTurtleProperties(*this);
    declareTurtleLookProperties(*this);
    const tKindAdditions& added = kindAdditions();
    for (tKindAdditions::tFamily family : added.turtleFamilies) family(*procTable);
    for (tKindAdditions::tFamily family : added.pageFamilies) family(*procTable);
    for (tKindAdditions::tProperties properties : added.turtleProperties) properties(*this);
}

void tPanePrototype::SetUpTables()
{
    tControlObject::SetUpTables();
    registerPaneLifecycle(*procTable);
    registerPagePrimitives(*procTable);
    registerPageDrawingPrimitives(*procTable);
    declareSurfaceProperties(*this);
    declarePaneProperties(*this);
    const tKindAdditions& added = kindAdditions();
    for (tKindAdditions::tFamily family : added.pageFamilies) family(*procTable);
    for (tKindAdditions::tProperties properties : added.pageProperties) properties(*this);
}

void tPagePrototype::SetUpTables()
{
    tControlObject::SetUpTables();
    registerPagePrimitives(*procTable);
    registerPageDrawingPrimitives(*procTable);
    declarePageProperties(*this);
    const tKindAdditions& added = kindAdditions();
    for (tKindAdditions::tFamily family : added.pageFamilies) family(*procTable);
    for (tKindAdditions::tProperties properties : added.pageProperties) properties(*this);
}
