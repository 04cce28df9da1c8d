#include "app/environmentWindowsFront.h"

#include "turtle/tSplitwindow.h"
#include "turtle/tgrScreen.h"

void tEnvironmentWindowsFront::Update(tSplitwindow& window)
{
    if (&window != environmentWindow_) {
        others_.Update(window);
        return;
    }
    // The environment window is always there; only the page it shows follows the object.
    if (!window.shownPage || window.shownPage == shown_) return;
    shown_ = window.shownPage;
    showPage_(shown_);
}

void tEnvironmentWindowsFront::Forget(tSplitwindow& window)
{
    if (&window != environmentWindow_) others_.Forget(window);
}
