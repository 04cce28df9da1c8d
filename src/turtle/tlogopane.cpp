#include "turtle/tlogopane.h"

#include <limits>
#include <optional>
#include <tuple>
#include <utility>
#include <vector>

#include "interpreter/tProcessContext.h"
#include "language/Language.h"
#include "mainobj/primitiveTable.h"
#include "mainobj/tPrimitiveCall.h"
#include "objects/creationList.h"
#include "objects/objectProperties.h"
#include "objects/propertyDeclaration.h"
#include "turtle/colours/colourValues.h"
#include "turtle/tgrScreen.h"
#include "turtle/turtleAccess.h"
#include "values/eLogoException.h"
#include "values/tLogoBool.h"
#include "values/tLogoInt.h"
#include "values/tLogoList.h"
#include "values/tLogoVarDesc.h"
#include "values/valuePools.h"

namespace {

constexpr int kPaneSide = 100;
constexpr int32_t kSize = 5;
constexpr int32_t kWidth = 6;
constexpr int32_t kHeight = 7;
constexpr int32_t kAutoDrag = 64;

// The surface the pane lies on: its place's.
tgrScreen& groundOf(tmultiobject& pane)
{
    tgrScreen* ground = pane.place ? screenOf(*pane.place) : nullptr;
    if (!ground) throw eLogoException(erInvalidPlace);
    return *ground;
}

tlogopane& pane(tmultiobject& object)
{
    auto* found = dynamic_cast<tlogopane*>(&object);
    if (!found) throw eLogoException(erInitPane);
    return *found;
}

// A side of a pane: a whole number of pixels from 1 up.
int sideOf(tlogoobject* value)
{
    const int32_t side = value->AsInteger();
    if (side < 1) throw eLogoException(erMinMax, 1, std::numeric_limits<int32_t>::max(), value);
    return side;
}

// [width height] as two sides.
std::pair<int, int> sidesOf(tlogoobject* value)
{
    if (!value->IsList()) throw eLogoException(erExpectList2, value);
    std::vector<tlogoobject*> sides;
    for (tlogoobject* side : elements(static_cast<tLogoList*>(value))) sides.push_back(side);
    if (sides.size() != 2) throw eLogoException(erExpectList2, value);
    return {sideOf(sides[0]), sideOf(sides[1])};
}

tlogoobject* getAPos(tmultiobject& object)
{
    tgrScreen& surface = surfaceOf(pane(object));
    return newPointList(surface.Left(), surface.Top());
}
void setAPos(tmultiobject& object, tlogoobject* value)
{
    const tRealPoint at = pointOf(value);
    surfaceOf(pane(object)).MoveTo(static_cast<int>(roundPixel(at.x)), static_cast<int>(roundPixel(at.y)));
}

// The top-left corner in the logo coordinates of the surface the pane lies on.
tlogoobject* getPos(tmultiobject& object)
{
    tgrScreen& surface = surfaceOf(pane(object));
    tgrScreen& ground = groundOf(object);
    return newPointList(ground.LogoX(surface.Left()), ground.LogoY(surface.Top()));
}
void setPos(tmultiobject& object, tlogoobject* value)
{
    const tRealPoint logo = pointOf(value);
    const tRealPoint at = groundOf(object).ToSurface(logo.x, logo.y);
    surfaceOf(pane(object)).MoveTo(static_cast<int>(roundPixel(at.x)), static_cast<int>(roundPixel(at.y)));
}

tlogoobject* getSize(tmultiobject& object)
{
    tgrScreen& surface = surfaceOf(pane(object));
    return newPointList(surface.Width(), surface.Height());
}
void setSize(tmultiobject& object, tlogoobject* value)
{
    const auto [width, height] = sidesOf(value);
    surfaceOf(pane(object)).Resize(width, height);
}

tlogoobject* getWidth(tmultiobject& object) { return NewInteger(surfaceOf(pane(object)).Width()); }
void setWidth(tmultiobject& object, tlogoobject* value)
{
    tgrScreen& surface = surfaceOf(pane(object));
    surface.Resize(sideOf(value), surface.Height());
}

tlogoobject* getHeight(tmultiobject& object) { return NewInteger(surfaceOf(pane(object)).Height()); }
void setHeight(tmultiobject& object, tlogoobject* value)
{
    tgrScreen& surface = surfaceOf(pane(object));
    surface.Resize(surface.Width(), sideOf(value));
}

tlogoobject* getAutoDrag(tmultiobject& object) { return NewBoolean(pane(object).autoDrag); }
void setAutoDrag(tmultiobject& object, tlogoobject* value) { pane(object).autoDrag = value->AsBoolean(); }

const tBoundProperty kAPosFunctions{&getAPos, &setAPos};
const tBoundProperty kPosFunctions{&getPos, &setPos};
const tBoundProperty kSizeFunctions{&getSize, &setSize};
const tBoundProperty kWidthFunctions{&getWidth, &setWidth};
const tBoundProperty kHeightFunctions{&getHeight, &setHeight};
const tBoundProperty kAutoDragFunctions{&getAutoDrag, &setAutoDrag};

// The pane leaves the surface it lies on; its turtles go with it (they are in its place).
tlogoobject* destroyPane(tPrimitiveCall&)
{
    auto& object = *static_cast<tmultiobject*>(requireContext().currentObject);
    if (tgrScreen* surface = screenOf(object)) surface->Detach();
    return nullptr;
}

tgrScreen& ownSurface() { return surfaceOf(*static_cast<tmultiobject*>(requireContext().currentObject)); }

tlogoobject* toFront(tPrimitiveCall&)
{
    ownSurface().Restack(true);
    return nullptr;
}

tlogoobject* toBack(tPrimitiveCall&)
{
    ownSurface().Restack(false);
    return nullptr;
}

constexpr tPrimitiveRow kPaneLifecycleRows[] = {
    {"destroy", 0, kFixedInputs, &destroyPane},
    {"tofront", 0, kFixedInputs, &toFront},
    {"toback", 0, kFixedInputs, &toBack},
};

// Without "bgColour" in the creation a pane takes the colour of a variable "bgcolour1" that
// its chain holds, or of "bgcolour2" when the first is the colour of the surface it lies on, so
// that a class can make its panes stand out; with neither the background stays white.
void takeClassBackground(tlogopane& pane, tgrScreen& surface, const tgrScreen& ground)
{
    auto colourOf = [&](const char* name) -> std::optional<uint32_t> {
        tLogoVarDesc* variable = pane.FindVariable(nameCode(name));
        tlogoobject* value = variable ? variable->Value() : nullptr;
        if (!value) return std::nullopt;
        return colourFromValue(*value).Rgb();
    };
    std::optional<uint32_t> colour = colourOf("bgcolour1");
    if (colour && *colour == ground.backgroundColour) colour = colourOf("bgcolour2");
    if (!colour) return;
    surface.backgroundColour = *colour;
    surface.Clean();
}

}  // namespace

void tlogopane::MakeVisualPart()
{
    if (screenOf(*this)) return;
    int width = kPaneSide;
    int height = kPaneSide;
    if (tLogoRef<tlogoobject> size = takeCreationValue(kSize)) std::tie(width, height) = sidesOf(size.get());
    if (tLogoRef<tlogoobject> given = takeCreationValue(kWidth)) width = sideOf(given.get());
    if (tLogoRef<tlogoobject> given = takeCreationValue(kHeight)) height = sideOf(given.get());
    tgrScreen& ground = groundOf(*this);
    auto* surface = new tgrScreen(width, height);
    attachScreen(*this, surface);
    takeClassBackground(*this, *surface, ground);
    ground.AddChild(surface);
}

tControlObject* tlogopane::Make(tLogoStack& stack, const std::string& name) { return new tlogopane(&stack, name, 1); }

void registerPaneLifecycle(tLogoTab& table) { registerPrimitives(table, kPaneLifecycleRows); }

void declarePaneProperties(tmultiobject& paneClass)
{
    // The corner is one piece of information in two forms; setting either sets both.
    const std::vector<int32_t> position{4, 1};
    const std::vector<int32_t> extent{5, 6, 7};
    const uint8_t derived = propertyFlag::kDerived;
    declareProperty(paneClass, boundPropertyDeclaration(4, position, 0, kPosFunctions));
    declareProperty(paneClass, boundPropertyDeclaration(1, position, derived, kAPosFunctions));
    declareProperty(paneClass, boundPropertyDeclaration(5, extent, 0, kSizeFunctions));
    declareProperty(paneClass, boundPropertyDeclaration(6, extent, derived, kWidthFunctions));
    declareProperty(paneClass, boundPropertyDeclaration(7, extent, derived, kHeightFunctions));
    declareProperty(paneClass, boundPropertyDeclaration(kAutoDrag, {}, 0, kAutoDragFunctions));
}
