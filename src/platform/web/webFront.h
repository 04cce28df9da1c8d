#pragma once

#include <memory>

class tLogoWeb;

// What shows web windows on the desktop: top-level windows in the windowed program; none in
// the console, where the objects keep their state and pages alone. Called on the window thread
// while the process that changed the object keeps the interpreter lock.
class tWebFront {
public:
    virtual ~tWebFront() = default;
    // Shows the window as its object says now: corner, size, caption, shown, enabled, page.
    virtual void Update(tLogoWeb& web) = 0;
    // The object is going away: its window closes for good.
    virtual void Forget(tLogoWeb& web) = 0;
};

void installWebFront(std::shared_ptr<tWebFront> front);
// None until the windowed program installs one.
tWebFront* webFront();
