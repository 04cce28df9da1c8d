#pragma once

#include "objects/tControlObject.h"

// The web class ("new "web"): web windows of their own on the desktop, each showing the page
// at its address. It declares the common control properties (the corner on the desktop, the
// size, "shown", "enabled" ...), "address" (setting it loads the page), "caption",
// "maximized", "style" and "showTitleBar", and the commands "reload", "pageText" (the page as
// a list of lines) and "status" (the result code of the last load: 200 when it came, 0 while it
// is under way).
class tWebPrototype : public tControlObject {
public:
    using tControlObject::tControlObject;
    const char* ClassName() const override { return "tWebPrototype"; }
    void SetUpTables() override;
};

// Enters the web class into the main object at start-up, after the graphic kinds. Later calls
// do nothing.
void startWebKind();
