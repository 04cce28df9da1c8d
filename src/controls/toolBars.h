#pragma once

#include <string>

#include "controls/controlGeometry.h"
#include "turtle/tlogopane.h"

// A tool bar ("new "toolbar"): a pane made to hold a row of tool buttons and separators. Made
// without a size it is a strip across the top of what it lies on; tool buttons and separators
// made on it without a place line up one after the other, along it (down it when it is taller
// than wide). Everything else is a pane's: its properties, its own drawing surface, its turtles.
class tToolBar : public tlogopane {
public:
    using tlogopane::tlogopane;

    const char* ClassName() const override { return "tToolBar"; }
    void MakeVisualPart() override;
    static tControlObject* Make(tLogoStack& stack, const std::string& name);
};

// Where a control made on its place without a position lies: after the last control on a tool
// bar, else the top-left corner of the surface.
tPixelPoint firstFreeCorner(tmultiobject& control);

// Builds the class object "toolbar" (once; later calls do nothing).
void registerToolBarKind();
