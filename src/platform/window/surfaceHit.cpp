#include "platform/window/surfaceHit.h"

#include <ranges>

#include "objects/tmultiobject.h"
#include "turtle/tLogoTurtleParams.h"
#include "turtle/tgrScreen.h"
#include "turtle/turtleAccess.h"
#include "turtle/turtleOverlap.h"

namespace {

// The pane that owns `surface`: it lives on `ground`, or at least in the page (a pane made in
// a pane is entered in the page's table).
tmultiobject* ownerOf(tmultiobject& ground, tmultiobject& page, const tgrScreen& surface)
{
    for (tmultiobject* holder : {&ground, &page})
        for (tmultiobject* dependent : holder->dependents)
            if (screenOf(*dependent) == &surface) return dependent;
    return nullptr;
}

// `on` and the surfaces lying on it, topmost first: each surface comes after those lying on
// it, which are shown over it.
void collect(const tPlacedSurface& on, tmultiobject& page, std::vector<tPlacedSurface>& into)
{
    const std::vector<tLogoRef<tgrScreen>> children = on.surface->Children();
    for (const tLogoRef<tgrScreen>& child : std::views::reverse(children)) {
        tmultiobject* owner = ownerOf(*on.owner, page, *child);
        if (!owner) continue;
        collect({owner, child.get(), on.left + child->Left(), on.top + child->Top()}, page, into);
    }
    into.push_back(on);
}

bool covers(const tPlacedSurface& placed, int x, int y)
{
    return x >= placed.left && y >= placed.top && x < placed.left + placed.surface->Width() &&
           y < placed.top + placed.surface->Height();
}

}  // namespace

std::vector<tPlacedSurface> placedSurfaces(tmultiobject& page, tgrScreen& pageSurface)
{
    std::vector<tPlacedSurface> placed;
    collect({&page, &pageSurface, 0, 0}, page, placed);
    return placed;
}

tSurfaceHit hitAt(tmultiobject& page, tgrScreen& pageSurface, int x, int y,
                  const std::function<bool(tmultiobject& turtle)>& takes)
{
    tSurfaceHit hit;
    for (const tPlacedSurface& placed : placedSurfaces(page, pageSurface)) {
        // The page is under everything: whatever no pane covers is its.
        if (placed.surface != &pageSurface && !covers(placed, x, y)) continue;
        hit.placed = placed;
        hit.object = placed.owner;
        hit.x = x - placed.left;
        hit.y = y - placed.top;
        break;
    }
    const std::vector<tLogoTurtleParams*> turtles = hit.placed.surface->Turtles();
    for (tLogoTurtleParams* turtle : std::views::reverse(turtles)) {
        // Pictures shown over the surface without an object (a paint tool's band) take nothing.
        auto* object = dynamic_cast<tmultiobject*>(turtle->owner);
        if (!object || !coversPoint(*turtle, {hit.x, hit.y})) continue;
        if (takes && !takes(*object)) continue;
        hit.object = object;
        hit.turtle = true;
        break;
    }
    return hit;
}
