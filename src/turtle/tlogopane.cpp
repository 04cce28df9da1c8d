#include "turtle/tlogopane.h"

#include <algorithm>
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
#include "turtle/controlProperties.h"
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

tControlBounds paneBounds(tmultiobject& object)
{
    tgrScreen& surface = surfaceOf(pane(object));
    return {surface.Left(), surface.Top(), surface.Width(), surface.Height()};
}

// The surface keeps what fits of its picture when it changes its size.
void setPaneBounds(tmultiobject& object, const tControlBounds& bounds)
{
    tgrScreen& surface = surfaceOf(pane(object));
    if (bounds.width != surface.Width() || bounds.height != surface.Height())
        surface.Resize(bounds.width, bounds.height);
    surface.MoveTo(bounds.left, bounds.top);
}

// A hidden pane leaves the surface it lies on, so it is neither composed nor found by the
// mouse, and comes back under the surfaces that lay over it then.
void paneStateChanged(tmultiobject& object)
{
    tlogopane& hidden = pane(object);
    tgrScreen& surface = surfaceOf(hidden);
    tgrScreen& ground = groundOf(hidden);
    const std::vector<tLogoRef<tgrScreen>> lying = ground.Children();
    auto at = std::find_if(lying.begin(), lying.end(), [&](const tLogoRef<tgrScreen>& s) { return s.get() == &surface; });
    const bool attached = at != lying.end();
    const bool shown = controlState(hidden).shown;
    if (!shown && attached) {
        hidden.coveredBy.clear();
        for (auto over = at + 1; over != lying.end(); ++over) hidden.coveredBy.push_back(over->get());
        surface.Detach();
    } else if (shown && !attached) {
        ground.AddChild(&surface);
        for (const tLogoRef<tgrScreen>& other : lying)
            if (std::find(hidden.coveredBy.begin(), hidden.coveredBy.end(), other.get()) != hidden.coveredBy.end())
                other->Restack(true);
        hidden.coveredBy.clear();
    }
}

const tControlKind kPaneKind{&paneBounds, &setPaneBounds, &paneStateChanged};

tlogoobject* getWidth(tmultiobject& object) { return NewInteger(surfaceOf(pane(object)).Width()); }
void setWidth(tmultiobject& object, tlogoobject* value)
{
    tgrScreen& surface = surfaceOf(pane(object));
    surface.Resize(controlSide(value), surface.Height());
}

tlogoobject* getHeight(tmultiobject& object) { return NewInteger(surfaceOf(pane(object)).Height()); }
void setHeight(tmultiobject& object, tlogoobject* value)
{
    tgrScreen& surface = surfaceOf(pane(object));
    surface.Resize(surface.Width(), controlSide(value));
}

tlogoobject* getAutoDrag(tmultiobject& object) { return NewBoolean(pane(object).autoDrag); }
void setAutoDrag(tmultiobject& object, tlogoobject* value) { pane(object).autoDrag = value->AsBoolean(); }

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
    if (tLogoRef<tlogoobject> size = takeCreationValue(property::kSize)) std::tie(width, height) = controlSides(size.get());
    if (tLogoRef<tlogoobject> given = takeCreationValue(property::kWidth)) width = controlSide(given.get());
    if (tLogoRef<tlogoobject> given = takeCreationValue(property::kHeight)) height = controlSide(given.get());
    tgrScreen& ground = groundOf(*this);
    auto* surface = new tgrScreen(width, height);
    attachScreen(*this, surface);
    takeClassBackground(*this, *surface, ground);
    // A pane made hidden never shows.
    if (shownAtStart)
        ground.AddChild(surface);
    else
        setControlShown(*this, false);
}

tControlObject* tlogopane::Make(tLogoStack& stack, const std::string& name) { return new tlogopane(&stack, name, 1); }

void registerPaneLifecycle(tLogoTab& table) { registerPrimitives(table, kPaneLifecycleRows); }

void declarePaneProperties(tmultiobject& paneClass)
{
    declareControlProperties(paneClass, kPaneKind);
    // Width and height are the size, one side at a time.
    const std::vector<int32_t> extent{5, 6, 7};
    const uint8_t derived = propertyFlag::kDerived;
    declareProperty(paneClass, boundPropertyDeclaration(6, extent, derived, kWidthFunctions));
    declareProperty(paneClass, boundPropertyDeclaration(7, extent, derived, kHeightFunctions));
    declareProperty(paneClass, boundPropertyDeclaration(property::kAutoDrag, {}, 0, kAutoDragFunctions));
}
