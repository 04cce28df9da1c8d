#include "turtle/kindClasses.h"

#include <algorithm>
#include <memory>
#include <vector>

#include "values/tPseudoVarDesc.h"

#include "turtle/controlProperties.h"
#include "turtle/kindAdditions.h"
#include "turtle/pagePrimitives.h"
#include "turtle/pagePrintPrimitives.h"
#include "turtle/pointerPrimitives.h"
#include "turtle/tlogopane.h"
#include "turtle/turtlePrimitives.h"
#include "turtle/windowKind.h"

namespace {

// The order in which a new instance takes its properties from its creation list or else from
// its class: the head first, then every other property the kind declares, in the order it
// declared them, except those the kind reads itself while it makes its visual part.
std::shared_ptr<const std::vector<int32_t>> propertyOrder(tmultiobject& kindClass, const std::vector<int32_t>& head,
                                                          const std::vector<int32_t>& excluded)
{
    std::vector<int32_t> order = head;
    for (tTabDesc* entry = kindClass.varTable->first; entry; entry = entry->next) {
        auto* declaration = dynamic_cast<tPseudoVarPrototype*>(entry);
        if (!declaration) continue;
        const int32_t number = declaration->kind;
        if (std::find(order.begin(), order.end(), number) == order.end() &&
            std::find(excluded.begin(), excluded.end(), number) == excluded.end())
            order.push_back(number);
    }
    return std::make_shared<const std::vector<int32_t>>(std::move(order));
}

}  // namespace

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
