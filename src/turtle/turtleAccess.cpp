#include "turtle/turtleAccess.h"

#include <cmath>
#include <limits>
#include <utility>

#include "interpreter/tProcessContext.h"
#include "language/Language.h"
#include "objects/tmultiobject.h"
#include "turtle/anyInputs.h"
#include "turtle/tLogoTurtleParams.h"
#include "turtle/tgrScreen.h"
#include "values/eLogoException.h"
#include "values/tListBuilder.h"
#include "values/tLogoList.h"
#include "values/tLogoInt.h"
#include "values/tLogoReal.h"
#include "values/valuePools.h"

namespace {

uint32_t turtleKey()
{
    static const uint32_t code = nameCode("@Turtle");
    return code;
}

uint32_t screenKey()
{
    static const uint32_t code = nameCode("@screen");
    return code;
}

template <class T>
T* ownHidden(tmultiobject& object, uint32_t code)
{
    if (!object.varTable) return nullptr;
    tTabDesc* entry = object.varTable->Lookup(code);
    return entry ? dynamic_cast<T*>(entry->Value()) : nullptr;
}

tlogoobject* addressed() { return requireContext().currentObject; }

}  // namespace

tmultiobject& addressedObject() { return *static_cast<tmultiobject*>(addressed()); }

tLogoTurtleParams& turtleOf(tlogoobject* object)
{
    auto* named = dynamic_cast<tmultiobject*>(object);
    tLogoTurtleParams* turtle = named ? ownHidden<tLogoTurtleParams>(*named, turtleKey()) : nullptr;
    if (!turtle) throw eLogoException(erInitTurtle);
    return *turtle;
}

tLogoTurtleParams& currentTurtle() { return turtleOf(addressed()); }

tgrScreen* screenOf(tmultiobject& object) { return ownHidden<tgrScreen>(object, screenKey()); }

tgrScreen& surfaceOf(tmultiobject& object)
{
    tgrScreen* surface = screenOf(object);
    if (!surface) throw eLogoException(erInitTurtle);
    return *surface;
}

tgrScreen& currentScreen()
{
    auto* named = dynamic_cast<tmultiobject*>(addressed());
    if (named)
        if (tgrScreen* screen = screenOf(*named)) return *screen;
    return *turtleOf(named).screen;
}

void attachTurtle(tmultiobject& object, tLogoTurtleParams* turtle) { object.varTable->Define(turtleKey(), turtle, 0); }

void attachScreen(tmultiobject& object, tgrScreen* screen) { object.varTable->Define(screenKey(), screen, 0); }

tlogoobject* newCoordinate(long double value)
{
    if (value == std::trunc(value) && std::fabs(value) <= std::numeric_limits<int32_t>::max())
        return NewInteger(static_cast<int32_t>(value));
    return NewReal(value);
}

namespace {

// The two elements of a point; erExpectList2 unless the value is a list of exactly two.
std::pair<tlogoobject*, tlogoobject*> pointElements(tlogoobject* value)
{
    if (!value->IsList()) throw eLogoException(erExpectList2, value);
    tlogoobject* coordinates[2] = {};
    int count = 0;
    for (tlogoobject* element : elements(static_cast<tLogoList*>(value))) {
        if (count == 2) throw eLogoException(erExpectList2, value);
        coordinates[count++] = element;
    }
    if (count != 2) throw eLogoException(erExpectList2, value);
    return {coordinates[0], coordinates[1]};
}

}  // namespace

tRealPoint pointOf(tlogoobject* value)
{
    const auto [x, y] = pointElements(value);
    return {x->AsReal(), y->AsReal()};
}

tRealPoint surfacePosition(tgrScreen& screen, tlogoobject* value)
{
    const auto [x, y] = pointElements(value);
    return {isAny(x) ? anySurfaceCoordinate(screen.Width(), 0) : screen.ToSurface(x->AsReal(), 0).x,
            isAny(y) ? anySurfaceCoordinate(screen.Height(), 1) : screen.ToSurface(0, y->AsReal()).y};
}

tLogoList* newPointList(long double x, long double y)
{
    tListBuilder point;
    point.Append(newCoordinate(x));
    point.Append(newCoordinate(y));
    return point.Take();
}
