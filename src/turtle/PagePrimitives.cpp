#include "turtle/pagePrimitives.h"

#include "mainobj/primitiveTable.h"
#include "objects/eventNames.h"
#include "objects/objectEvents.h"
#include "objects/objectNames.h"
#include "objects/tmultiobject.h"
#include "mainobj/tPrimitiveCall.h"
#include "turtle/tLogoTurtleParams.h"
#include "turtle/colours/colourValues.h"
#include "turtle/paintTools.h"
#include "turtle/pointerPrimitives.h"
#include "turtle/selectionFrame.h"
#include "turtle/tgrScreen.h"
#include "turtle/turtleAccess.h"
#include "turtle/turtleOrder.h"
#include "turtle/turtleOverlap.h"
#include "turtle/undoStore.h"
#include "values/eLogoException.h"
#include "values/tListBuilder.h"
#include "values/tLogoList.h"
#include "values/tLogoString.h"
#include "values/valuePools.h"

namespace {

// The page (or pane) the surface belongs to: the addressed object, or the addressed turtle's
// place.
tmultiobject& surfaceOwner()
{
    tmultiobject& object = addressedObject();
    if (screenOf(object)) return object;
    return object.place ? *object.place : object;
}

// A clean picture is announced to the page's "onClean" handler.
void clean(tgrScreen& screen)
{
    screen.Clean();
    fireEvent(surfaceOwner(), eventCode(tEventKey::onClean));
}

tlogoobject* cleanbgpicture(tPrimitiveCall&)
{
    clean(currentScreen());
    return nullptr;
}

// Every turtle goes home first, in drawing order, so none of them draws on the clean picture.
tlogoobject* clearscreen(tPrimitiveCall&)
{
    tgrScreen& screen = currentScreen();
    for (tLogoTurtleParams* turtle : screen.Turtles()) turtle->Home();
    clean(screen);
    return nullptr;
}

tlogoobject* dotcolourat(tPrimitiveCall& call)
{
    tgrScreen& screen = currentScreen();
    const tRealPoint logo = pointOf(call[0]);
    const tRealPoint at = screen.ToSurface(logo.x, logo.y);
    const uint32_t colour = screen.PixelAt(roundPixel(at.x), roundPixel(at.y));
    return colourToValue(tColour::FromRgb(colour));
}

tlogoobject* upperleft(tPrimitiveCall&)
{
    tgrScreen& screen = currentScreen();
    return newPointList(-screen.originX, screen.originY);
}

// Logo coordinates to surface pixels (rounded half away from zero) and back.
tlogoobject* toabsolute(tPrimitiveCall& call)
{
    tgrScreen& screen = currentScreen();
    const tRealPoint logo = pointOf(call[0]);
    const tRealPoint at = screen.ToSurface(logo.x, logo.y);
    return newPointList(static_cast<long double>(roundPixel(at.x)), static_cast<long double>(roundPixel(at.y)));
}

tlogoobject* tocartesian(tPrimitiveCall& call)
{
    tgrScreen& screen = currentScreen();
    const tRealPoint at = pointOf(call[0]);
    return newPointList(screen.LogoX(at.x), screen.LogoY(at.y));
}

// The names of the surface's turtles, in drawing order.
tlogoobject* allturtles(tPrimitiveCall&)
{
    tListBuilder names;
    for (tLogoTurtleParams* turtle : currentScreen().Turtles()) {
        auto* object = dynamic_cast<tmultiobject*>(turtle->owner);
        if (object && object->place) names.Append(NewWord(object->name));
    }
    return names.Take();
}

tlogoobject* reorder(tPrimitiveCall& call)
{
    tgrScreen& screen = currentScreen();
    tTurtleOrderRequest request;
    if (!call[0]->IsList()) {
        request.named.push_back(turtleNamed(screen, call[0]));
    } else {
        for (tlogoobject* element : elements(static_cast<tLogoList*>(call[0]))) {
            if (!element->IsList()) {
                request.named.push_back(turtleNamed(screen, element));
                continue;
            }
            if (request.hasRest) throw eLogoException(erBadStructure, call[0]);
            request.hasRest = true;
            request.rest = request.named.size();
            for (tlogoobject* name : elements(static_cast<tLogoList*>(element)))
                request.restSpan.push_back(turtleNamed(screen, name));
        }
    }
    screen.Reorder([&](const std::vector<tLogoTurtleParams*>& present) { return orderedTurtles(present, request); });
    return nullptr;
}

// The turtles whose picture covers the logo point, in drawing order.
tlogoobject* overlappedpos(tPrimitiveCall& call)
{
    tgrScreen& screen = currentScreen();
    const tRealPoint logo = pointOf(call[0]);
    const tRealPoint at = screen.ToSurface(logo.x, logo.y);
    const tPixel point{roundPixel(at.x), roundPixel(at.y)};
    tListBuilder names;
    for (tLogoTurtleParams* turtle : screen.Turtles()) {
        auto* object = dynamic_cast<tmultiobject*>(turtle->owner);
        if (object && coversPoint(*turtle, point)) names.Append(NewWord(object->name));
    }
    return names.Take();
}

tlogoobject* saveforundo(tPrimitiveCall&)
{
    saveForUndo(currentScreen());
    return nullptr;
}

constexpr tPrimitiveRow kPageRows[] = {
    {"cleanbgpicture", 0, kFixedInputs, &cleanbgpicture},
    {"clearscreen", 0, kFixedInputs, &clearscreen},
    {"dotcolourat", 1, kFixedInputs, &dotcolourat},
    {"upperleft", 0, kFixedInputs, &upperleft},
    {"toabsolute", 1, kFixedInputs, &toabsolute},
    {"tocartesian", 1, kFixedInputs, &tocartesian},
    {"allturtles", 0, kFixedInputs, &allturtles},
    {"reorder", 1, kFixedInputs, &reorder},
    {"overlappedpos", 1, kFixedInputs, &overlappedpos},
    {"saveforundo", 0, kFixedInputs, &saveforundo},
};

}  // namespace

tLogoTurtleParams* turtleNamed(tgrScreen& screen, tlogoobject* name)
{
    if (!name->IsWord()) throw eLogoException(erTurtleUnknown, name);
    tmultiobject* object = resolveObjectPath(&surfaceOwner(), name->WordText());
    if (!object) object = resolveObjectPath(&addressedObject(), name->WordText());
    if (object)
        for (tLogoTurtleParams* turtle : screen.Turtles())
            if (turtle->owner == object) return turtle;
    throw eLogoException(erTurtleUnknown, name);
}

void registerPagePrimitives(tLogoTab& table)
{
    registerPrimitives(table, kPageRows);
    registerPagePointerPrimitives(table);
    registerPaintToolPrimitives(table);
    registerSelectionPrimitives(table);
}
