#pragma once

#include <functional>

#include "platform/window/tObjectWindows.h"
#include "turtle/tgrScreen.h"  // tObjectWindows.h holds its surfaces

class tlogopage;
class tmultiobject;

// The window objects of the windowed program. The environment's own window object is the
// environment window itself: when a page switch shows another of its pages, the environment
// window shows that page (`showPage`, on the window thread while the switching process waits).
// Every other window object gets a top-level window of its own.
class tEnvironmentWindowsFront : public tWindowFront {
public:
    tEnvironmentWindowsFront(tmultiobject* environmentWindow, std::function<void(tlogopage*)> showPage)
        : environmentWindow_(environmentWindow), showPage_(std::move(showPage))
    {
    }

    void Update(tSplitwindow& window) override;
    void Forget(tSplitwindow& window) override;

private:
    tmultiobject* environmentWindow_;
    std::function<void(tlogopage*)> showPage_;
    tlogopage* shown_ = nullptr;
    tObjectWindowFront others_;
};
