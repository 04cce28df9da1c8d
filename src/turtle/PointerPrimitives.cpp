#include "turtle/pointerPrimitives.h"

#include <mutex>

#include "language/Language.h"
#include "mainobj/primitiveTable.h"
#include "mainobj/tMainLogoObject.h"
#include "mainobj/tPrimitiveCall.h"
#include "objects/objectProperties.h"
#include "objects/propertyDeclaration.h"
#include "objects/tmultiobject.h"
#include "turtle/kindAdditions.h"
#include "turtle/mouseCursor.h"
#include "turtle/pointerState.h"
#include "turtle/selectionFrame.h"
#include "turtle/tLogoTurtleParams.h"
#include "turtle/tgrScreen.h"
#include "turtle/thinLine.h"
#include "turtle/turtleAccess.h"
#include "values/eLogoException.h"
#include "values/tListBuilder.h"
#include "values/tLogoBool.h"
#include "values/tLogoInt.h"
#include "values/tLogoList.h"
#include "values/valuePools.h"

namespace {

// The main object works in the logo coordinates of the page the window shows.
tgrScreen& mainScreen()
{
    tgrScreen* screen = mainSurface();
    if (!screen) throw eLogoException(erInitTurtle);
    return *screen;
}

tPixel surfacePixel(const tgrScreen& screen, tlogoobject* logoPoint)
{
    const tRealPoint logo = pointOf(logoPoint);
    const tRealPoint at = screen.ToSurface(logo.x, logo.y);
    return {roundPixel(at.x), roundPixel(at.y)};
}

// A pixel of the surface as a pixel of the page the window shows (a pane lies on it).
tPixel shownPagePixel(const tgrScreen& screen, tPixel at)
{
    const tRealPoint corner = cornerOnShownPage(screen);
    return {at.x + roundPixel(corner.x), at.y + roundPixel(corner.y)};
}

tLogoList* logoPointList(const tgrScreen& screen, tRealPoint surface)
{
    return newPointList(screen.LogoX(surface.x), screen.LogoY(surface.y));
}

tlogoobject* mouseposOn(tgrScreen& screen) { return logoPointList(screen, pointerOnSurface(screen)); }

tlogoobject* setmouseposOn(tgrScreen& screen, tlogoobject* point)
{
    const tPixel at = shownPagePixel(screen, surfacePixel(screen, point));
    placePointer(static_cast<int32_t>(at.x), static_cast<int32_t>(at.y));
    return nullptr;
}

// Desktop pixels: the surface's pixels moved by where the window shows it.
tlogoobject* toscreenOn(tgrScreen& screen, tlogoobject* point)
{
    const tPixel at = shownPagePixel(screen, surfacePixel(screen, point));
    const tPointerState state = pointerState();
    return newPointList(static_cast<long double>(at.x + state.surfaceLeft),
                        static_cast<long double>(at.y + state.surfaceTop));
}

tlogoobject* toobjectOn(tgrScreen& screen, tlogoobject* point)
{
    const tRealPoint desktop = pointOf(point);
    const tPointerState state = pointerState();
    const tRealPoint corner = cornerOnShownPage(screen);
    return logoPointList(screen, {desktop.x - state.surfaceLeft - corner.x, desktop.y - state.surfaceTop - corner.y});
}

tlogoobject* toabsoluteOn(tgrScreen& screen, tlogoobject* point)
{
    const tPixel at = surfacePixel(screen, point);
    return newPointList(static_cast<long double>(at.x), static_cast<long double>(at.y));
}

tlogoobject* tocartesianOn(tgrScreen& screen, tlogoobject* point) { return logoPointList(screen, pointOf(point)); }

// [dx -dy]: the horizontal and the upward offset of the last left press.
tlogoobject* clickedpos(tPrimitiveCall&)
{
    const tObjectPointer* record = findObjectPointer(addressedObject());
    if (!record) return newPointList(0, 0);
    return newPointList(record->clickX, -record->clickY);
}

tlogoobject* mousepos(tPrimitiveCall&) { return mouseposOn(currentScreen()); }
tlogoobject* setmousepos(tPrimitiveCall& call) { return setmouseposOn(currentScreen(), call[0]); }
tlogoobject* toscreen(tPrimitiveCall& call) { return toscreenOn(currentScreen(), call[0]); }
tlogoobject* toobject(tPrimitiveCall& call) { return toobjectOn(currentScreen(), call[0]); }

// [buttons keys [x y]]: left 1 + right 2 + middle 4, control 1 + shift 2, the logo position.
tlogoobject* mousestate(tPrimitiveCall&)
{
    tgrScreen& screen = currentScreen();
    const tPointerState state = pointerState();
    tListBuilder answer;
    answer.Append(NewInteger(state.buttons));
    answer.Append(NewInteger(state.keys));
    answer.Append(mouseposOn(screen));
    return answer.Take();
}

// The drag begins as if the left button had gone down on the turtle's position.
tlogoobject* startDrag(tPrimitiveCall&)
{
    tmultiobject& object = addressedObject();
    tLogoTurtleParams& turtle = currentTurtle();
    tObjectPointer& record = objectPointer(object);
    record.clickX = 0;
    record.clickY = 0;
    record.dragArmed = true;
    startProgramDrag(object);
    const tPixel at = shownPagePixel(currentScreen(), {roundPixel(turtle.position.x), roundPixel(turtle.position.y)});
    placePointer(static_cast<int32_t>(at.x), static_cast<int32_t>(at.y));
    return nullptr;
}

// A pane is taken by its middle, as if the left button had gone down there.
tlogoobject* startPaneDrag(tPrimitiveCall&)
{
    tmultiobject& pane = addressedObject();
    tgrScreen& surface = surfaceOf(pane);
    tObjectPointer& record = objectPointer(pane);
    record.clickX = surface.Width() / 2;
    record.clickY = surface.Height() / 2;
    record.dragArmed = true;
    startProgramDrag(pane);
    const tPixel at = shownPagePixel(surface, {surface.Width() / 2, surface.Height() / 2});
    placePointer(static_cast<int32_t>(at.x), static_cast<int32_t>(at.y));
    return nullptr;
}

tlogoobject* mainMousepos(tPrimitiveCall&) { return mouseposOn(mainScreen()); }
tlogoobject* mainSetmousepos(tPrimitiveCall& call) { return setmouseposOn(mainScreen(), call[0]); }
tlogoobject* mainToscreen(tPrimitiveCall& call) { return toscreenOn(mainScreen(), call[0]); }
tlogoobject* mainToobject(tPrimitiveCall& call) { return toobjectOn(mainScreen(), call[0]); }
tlogoobject* mainToabsolute(tPrimitiveCall& call) { return toabsoluteOn(mainScreen(), call[0]); }
tlogoobject* mainTocartesian(tPrimitiveCall& call) { return tocartesianOn(mainScreen(), call[0]); }

// As the keys do: true stamps the selection into its picture (Enter), false drops it (Delete).
tlogoobject* finishselection(tPrimitiveCall& call)
{
    if (call.boolean(0))
        finishSelection();
    else
        dropSelection();
    return nullptr;
}

constexpr tPrimitiveRow kPagePointerRows[] = {
    {"clickedpos", 0, kFixedInputs, &clickedpos},
    {"mousepos", 0, kFixedInputs, &mousepos},
    {"setmousepos", 1, kFixedInputs, &setmousepos},
    {"mousestate", 0, kFixedInputs, &mousestate},
    {"toscreen", 1, kFixedInputs, &toscreen},
    {"toobject", 1, kFixedInputs, &toobject},
};

// A turtle is not moved as a control is: moving it with the mouse is dragging it.
constexpr tPrimitiveRow kTurtlePointerRows[] = {
    {"startDrag", 0, kFixedInputs, &startDrag},
    {"startMove", 0, kFixedInputs, &startDrag},
};

// A pane moved from a program moves as a dragged one does.
constexpr tPrimitiveRow kPanePointerRows[] = {
    {"startDrag", 0, kFixedInputs, &startPaneDrag},
    {"startMove", 0, kFixedInputs, &startPaneDrag},
};

constexpr tPrimitiveRow kMainPointerRows[] = {
    {"mousepos", 0, kFixedInputs, &mainMousepos},
    {"setmousepos", 1, kFixedInputs, &mainSetmousepos},
    {"toscreen", 1, kFixedInputs, &mainToscreen},
    {"toobject", 1, kFixedInputs, &mainToobject},
    {"toabsolute", 1, kFixedInputs, &mainToabsolute},
    {"tocartesian", 1, kFixedInputs, &mainTocartesian},
    {"finishselection", 1, kFixedInputs, &finishselection},
};

tlogoobject* getAutoDrag(tmultiobject& object)
{
    const tObjectPointer* record = findObjectPointer(object);
    return NewBoolean(record && record->autoDrag);
}

void setAutoDrag(tmultiobject& object, tlogoobject* value) { objectPointer(object).autoDrag = value->AsBoolean(); }

const tBoundProperty kAutoDragFunctions{&getAutoDrag, &setAutoDrag};

void declareTurtleAutoDrag(tmultiobject& turtleClass)
{
    declareProperty(turtleClass, boundPropertyDeclaration(property::kAutoDrag, {}, 0, kAutoDragFunctions));
}

}  // namespace

void registerPagePointerPrimitives(tLogoTab& table) { registerPrimitives(table, kPagePointerRows); }

void registerTurtlePointerPrimitives(tLogoTab& table) { registerPrimitives(table, kTurtlePointerRows); }

void registerPanePointerPrimitives(tLogoTab& table) { registerPrimitives(table, kPanePointerRows); }

void startPointer()
{
    static std::once_flag started;
    std::call_once(started, [] {
        tMainLogoObject& main = mainLogoObject();
        registerPrimitives(*main.procTable, kMainPointerRows);
        registerMouseCursorPrimitive(*main.procTable);
        // The turtle class may be built already; otherwise it declares the property when it is.
        if (tmultiobject* turtleClass = main.FindOwn(nameCode(primaryWord("class", "turtle"))))
            declareTurtleAutoDrag(*turtleClass);
        else
            kindAdditions().turtleProperties.push_back(&declareTurtleAutoDrag);
    });
}
