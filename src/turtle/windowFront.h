#pragma once

#include <memory>

class tSplitwindow;

// What shows the window objects made with "new" on the desktop: top-level windows in the
// windowed program; none in the console, where the objects keep their state alone. Called on
// the window thread while the process that changed the object keeps the interpreter lock.
class tWindowFront {
public:
    virtual ~tWindowFront() = default;
    // Shows the window as its object says now: corner, size, caption, shown, enabled, page.
    virtual void Update(tSplitwindow& window) = 0;
    // The object is going away: its window closes for good.
    virtual void Forget(tSplitwindow& window) = 0;
};

void installWindowFront(std::shared_ptr<tWindowFront> front);
// None until the windowed program installs one.
tWindowFront* windowFront();
