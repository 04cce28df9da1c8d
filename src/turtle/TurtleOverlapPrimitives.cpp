#include "turtle/turtlePrimitives.h"

#include <optional>
#include <vector>

#include "language/Language.h"
#include "mainobj/primitiveTable.h"
#include "mainobj/tPrimitiveCall.h"
#include "objects/tmultiobject.h"
#include "processes/processEnvironment.h"
#include "turtle/pagePrimitives.h"
#include "turtle/rangeRectangles.h"
#include "turtle/tLogoTurtleParams.h"
#include "turtle/turtleAccess.h"
#include "turtle/turtleOverlap.h"
#include "values/eLogoException.h"
#include "values/tListBuilder.h"
#include "values/tLogoBool.h"
#include "values/tLogoInt.h"
#include "values/tLogoVarTab.h"
#include "values/tLogoList.h"
#include "values/tLogoString.h"
#include "values/valuePools.h"

// Where a turtle's picture lies and whom it meets: "shaperectangle", the overlap tests and the
// rectangle tests.

namespace {

// Hidden turtles, and the turtle itself, never overlap anything.
bool overlaps(const tLogoTurtleParams& self, const tLogoTurtleParams& other, int64_t mode)
{
    if (&self == &other || !self.shown || !other.shown) return false;
    return boundsOverlap(turtleBounds(self), turtleBounds(other), mode);
}

tlogoobject* turtleName(const tLogoTurtleParams& turtle)
{
    auto* object = dynamic_cast<tmultiobject*>(turtle.owner);
    return object ? NewWord(object->name) : nullptr;
}

// The names given to "overlap?" and "overlaplist": one word or a list of words.
std::vector<tlogoobject*> givenNames(tlogoobject* given)
{
    std::vector<tlogoobject*> names;
    if (given->IsList()) {
        for (tlogoobject* element : elements(static_cast<tLogoList*>(given))) names.push_back(element);
    } else {
        names.push_back(given);
    }
    for (tlogoobject* name : names)
        if (!name->IsWord()) throw eLogoException(erExpectWord, name);
    return names;
}

// The named turtles this one overlaps, every name checked first.
std::vector<tlogoobject*> overlappedAmong(tlogoobject* given)
{
    tLogoTurtleParams& self = currentTurtle();
    std::vector<std::pair<tlogoobject*, tLogoTurtleParams*>> named;
    for (tlogoobject* name : givenNames(given)) named.emplace_back(name, turtleNamed(*self.screen, name));
    const int64_t mode = overlapModeSetting();
    std::vector<tlogoobject*> met;
    for (const auto& [name, turtle] : named)
        if (overlaps(self, *turtle, mode)) met.push_back(name);
    return met;
}

tlogoobject* shaperectangle(tPrimitiveCall&)
{
    tLogoTurtleParams& turtle = currentTurtle();
    const tShapeBounds bounds = turtleBounds(turtle);
    tListBuilder rectangle;
    rectangle.Append(newCoordinate(turtle.screen->LogoX(static_cast<long double>(bounds.left))));
    rectangle.Append(newCoordinate(turtle.screen->LogoY(static_cast<long double>(bounds.top))));
    rectangle.Append(NewInteger(static_cast<int32_t>(bounds.Width())));
    rectangle.Append(NewInteger(static_cast<int32_t>(bounds.Height())));
    return rectangle.Take();
}

tlogoobject* overlapped(tPrimitiveCall&)
{
    tLogoTurtleParams& self = currentTurtle();
    const int64_t mode = overlapModeSetting();
    tListBuilder names;
    for (tLogoTurtleParams* other : self.screen->Turtles())
        if (overlaps(self, *other, mode))
            if (tlogoobject* name = turtleName(*other)) names.Append(name);
    return names.Take();
}

tlogoobject* overlapQ(tPrimitiveCall& call) { return NewBoolean(!overlappedAmong(call[0]).empty()); }

tlogoobject* overlaplist(tPrimitiveCall& call)
{
    tListBuilder names;
    for (tlogoobject* name : overlappedAmong(call[0])) names.Append(name);
    return names.Take();
}

// The rectangle as ranges are written, in page pixels.
tShapeBounds givenRectangle(tgrScreen& screen, tlogoobject* value)
{
    const std::optional<tRealRect> read = readRectangle(screen, value);
    if (!read) throw eLogoException(erBadStructure, value);
    return {roundPixel(read->left), roundPixel(read->top), roundPixel(read->right), roundPixel(read->bottom)};
}

tlogoobject* insideQ(tPrimitiveCall& call)
{
    tLogoTurtleParams& turtle = currentTurtle();
    return NewBoolean(turtleBounds(turtle).Intersects(givenRectangle(*turtle.screen, call[0])));
}

tlogoobject* outsideQ(tPrimitiveCall& call)
{
    tLogoTurtleParams& turtle = currentTurtle();
    return NewBoolean(!turtleBounds(turtle).Within(givenRectangle(*turtle.screen, call[0])));
}

constexpr tPrimitiveRow kOverlapRows[] = {
    {"shaperectangle", 0, kFixedInputs, &shaperectangle},
    {"overlapped", 0, kFixedInputs, &overlapped},
    {"overlap?", 1, kFixedInputs, &overlapQ},
    {"overlaplist", 1, kFixedInputs, &overlaplist},
    {"inside?", 1, kFixedInputs, &insideQ},
    {"outside?", 1, kFixedInputs, &outsideQ},
};

}  // namespace

void registerTurtleOverlapPrimitives(tLogoTab& table) { registerPrimitives(table, kOverlapRows); }
