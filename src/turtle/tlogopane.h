#pragma once

#include <string>
#include <vector>

#include "objects/tcontainingcontrol.h"

class tgrScreen;

// A pane: a rectangle of its own drawing surface ("@screen") placed on a page. Turtles live on
// it as on a page, in its own logo coordinates; the page shows it over its picture and its
// turtles, at the pane's position. New objects made in it are entered in the page's table.
class tlogopane : public tcontainingcontrol {
public:
    using tcontainingcontrol::tcontainingcontrol;

    const char* ClassName() const override { return "tlogopane"; }
    // The surface: 100 x 100 pixels unless the creation gives "size", "width" or "height",
    // placed at the top-left corner of the surface it lies on until "pos" or "aPos" moves it.
    void MakeVisualPart() override;
    // What "new" makes for the pane class.
    static tControlObject* Make(tLogoStack& stack, const std::string& name);

    // Dragged along by the mouse ("autoDrag").
    bool autoDrag = false;
    // While hidden: the surfaces that lay over it, which it goes back under when shown again.
    // Only compared with the surfaces lying there then, never followed.
    std::vector<const tgrScreen*> coveredBy;
};

// The pane class's own commands ("destroy"; "tofront" and "toback" among the surfaces lying on
// the same page) and properties (the common control properties, "width", "height",
// "autoDrag").
void registerPaneLifecycle(tLogoTab& table);
void declarePaneProperties(tmultiobject& paneClass);
