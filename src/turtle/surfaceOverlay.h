#pragma once

#include <QImage>
#include <QPoint>

#include "values/tLogoRef.h"

class tLogoTurtleParams;
class tgrScreen;

// A picture shown over a surface without being drawn into it: the rubber band of a paint tool,
// the selection frame. It is a turtle without an object, put at the end of the surface's turtle
// list, so the repaint composes it as it composes turtles (over them) and nothing else sees
// it: no name, no collisions, and "home" leaves it where it is. Used under the interpreter lock.
class tSurfaceOverlay {
public:
    explicit tSurfaceOverlay(tgrScreen& screen);
    ~tSurfaceOverlay();
    tSurfaceOverlay(const tSurfaceOverlay&) = delete;
    tSurfaceOverlay& operator=(const tSurfaceOverlay&) = delete;

    // Shows the picture (ARGB, transparent where the surface shows through) with its top-left
    // pixel at `corner`, in surface pixels.
    void Show(const QImage& picture, QPoint corner);
    void Hide();
    tgrScreen& Screen() const;

private:
    tLogoRef<tLogoTurtleParams> turtle_;
};
