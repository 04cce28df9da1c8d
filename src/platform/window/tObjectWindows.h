#pragma once

#include "platform/window/desktopObjectWindow.h"
#include "turtle/tSplitwindow.h"
#include "turtle/windowFront.h"
#include "values/tLogoRef.h"

class tPageView;
class tgrScreen;
class tlogopage;

// One window object on the desktop: a top-level window showing the object's page.
class tObjectWindow : public tDesktopObjectWindow<tSplitwindow> {
public:
    explicit tObjectWindow(tSplitwindow& object);

    // Shows what the object says now; on the window thread.
    void Update();

private:
    tPageView* view_;
    tlogopage* page_ = nullptr;
    tLogoRef<tgrScreen> screen_;  // the shown page's surface, kept while the view shows it
};

// The front of the window objects in the windowed program.
class tObjectWindowFront : public tWindowFront {
public:
    void Update(tSplitwindow& window) override;
    void Forget(tSplitwindow& window) override;
    // The top-level window of the object; none before it was first shown or after it went.
    tObjectWindow* WindowOf(const tSplitwindow& window) const { return windows_.WindowOf(window); }

private:
    tDesktopWindows<tSplitwindow, tObjectWindow> windows_;
};
