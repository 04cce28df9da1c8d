#pragma once

#include <string>
#include <utility>

#include "objects/tcontainerobject.h"
#include "turtle/controlProperties.h"

class tlogopage;

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
    // A window of the window kind shows on the desktop once it is made.
    void FinishCreation() override;
    static tControlObject* Make(tLogoStack& stack, const std::string& name) { return new tSplitwindow(&stack, name, 1); }

    // Where the window stands on the desktop and the size of what it shows; kept on the window
    // thread, where the window front also writes what the user does to the window.
    tControlBounds bounds{120, 120, 796, 499};
    // The title; the window's name shows while it is empty.
    std::string caption;
    // A tool window: a small window that floats over the environment's.
    bool floating = false;
    // The page it shows: one of its own, held by its objects table; none before the first.
    tlogopage* shownPage = nullptr;
    // The name of the page to show that its creation list asked for before the page was made
    // (a project brings the window back before its pages); empty when there is none.
    std::string awaitedPage;
};
