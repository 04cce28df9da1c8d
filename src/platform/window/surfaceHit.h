#pragma once

#include <functional>
#include <vector>

class tgrScreen;
class tmultiobject;

// What lies under a point of a shown page. The surfaces lying on the page (panes, and panes on
// those) are shown over its turtles, the last one stacked on top, and each shows its own turtles
// over its picture; a point belongs to the topmost of them that covers it. Everything here runs
// under the interpreter lock (panes come and go, and turtles move, under it).

// A page or pane surface with its top-left corner in the page's pixels.
struct tPlacedSurface {
    tmultiobject* owner = nullptr;
    tgrScreen* surface = nullptr;
    int left = 0;
    int top = 0;
};

// The page's surface and every surface lying on it, the topmost first.
std::vector<tPlacedSurface> placedSurfaces(tmultiobject& page, tgrScreen& pageSurface);

struct tSurfaceHit {
    tmultiobject* object = nullptr;  // the turtle, pane or page under the point
    bool turtle = false;             // `object` is a turtle of `placed`
    tPlacedSurface placed;           // the surface the point fell on
    int x = 0;                       // the point in that surface's pixels
    int y = 0;
};

// The topmost shown turtle whose look covers the point, on the topmost surface that covers it,
// else that surface's page or pane. `takes` may pass over turtles (those without a hint, say).
tSurfaceHit hitAt(tmultiobject& page, tgrScreen& pageSurface, int x, int y,
                  const std::function<bool(tmultiobject& turtle)>& takes = {});
