#pragma once

#include <string>
#include <utility>

#include "objects/tcontainerobject.h"

// A window object: the container of the pages it shows. Objects inside it (pages, panes, the
// turtles on them) find it as "mywindow".
class tSplitwindow : public tcontainerobject {
public:
    // Windows stand on the screen, not in a place.
    tSplitwindow(tLogoStack* stack, std::string name, int parentCount)
        : tcontainerobject(stack, std::move(name), parentCount)
    {
        needsPlace = false;
    }

    const char* ClassName() const override { return "tSplitwindow"; }
    bool IsWindow() const override { return true; }
    static tControlObject* Make(tLogoStack& stack, const std::string& name) { return new tSplitwindow(&stack, name, 1); }
};
