#include "turtle/kindClasses.h"

#include "objects/propertyOrder.h"
#include "turtle/controlProperties.h"
#include "turtle/kindAdditions.h"
#include "turtle/pagePrimitives.h"
#include "turtle/pagePrintPrimitives.h"
#include "turtle/pointerPrimitives.h"
#include "turtle/tlogopane.h"
#include "turtle/turtlePrimitives.h"
#include "turtle/windowKind.h"

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
    declareFrozenProperty(*this);
    const tKindAdditions& added = kindAdditions();
    for (tKindAdditions::tFamily family : added.turtleFamilies) family(*procTable);
    for (tKindAdditions::tFamily family : added.pageFamilies) family(*procTable);
    for (tKindAdditions::tProperties properties : added.turtleProperties) properties(*this);
    // penColour, penWidth, penPattern, fillColour, fillPattern, font, shape first; position,
    // heading, shown and the range are read while the turtle is made.
    paramsToMove = propertyOrder(*this, {47, 48, 49, 44, 45, 57, 53}, {1, 40, 4, 42, 43, 10, 41, 50, 51});
}

namespace {

// What every page and pane answers: the page's commands and properties, with those other
// subsystems add to them.
void setUpSurfaceTables(tControlObject& surfaceClass, void (*declareOwnProperties)(tmultiobject&))
{
    tLogoTab& table = *surfaceClass.procTable;
    registerPagePrimitives(table);
    registerPageDrawingPrimitives(table);
    declareOwnProperties(surfaceClass);
    const tKindAdditions& added = kindAdditions();
    for (tKindAdditions::tFamily family : added.pageFamilies) family(table);
    for (tKindAdditions::tProperties properties : added.pageProperties) properties(surfaceClass);
}

}  // namespace

void tPanePrototype::SetUpTables()
{
    tControlObject::SetUpTables();
    registerPaneLifecycle(*procTable);
    registerPanePointerPrimitives(*procTable);
    setUpSurfaceTables(*this, [](tmultiobject& paneClass) {
        declareSurfaceProperties(paneClass);
        declarePaneProperties(paneClass);
    });
}

void tPagePrototype::SetUpTables()
{
    tControlObject::SetUpTables();
    setUpSurfaceTables(*this, &declarePageProperties);
    registerPagePrintPrimitives(*procTable);
}

void tWindowPrototype::SetUpTables()
{
    tControlObject::SetUpTables();
    declareWindowProperties(*this);
}
