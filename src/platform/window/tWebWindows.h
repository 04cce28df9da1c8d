#pragma once

#include <cstdint>

#include "platform/web/tLogoWeb.h"
#include "platform/web/webFront.h"
#include "platform/window/desktopObjectWindow.h"

class QTextBrowser;
class QUrl;

// One web window object on the desktop: a top-level window showing the object's page in a
// text browser (simple HTML, or plain text); a followed link becomes its address and loads.
class tWebWindow : public tDesktopObjectWindow<tLogoWeb> {
public:
    explicit tWebWindow(tLogoWeb& object);

    // Shows what the object says now; on the window thread.
    void Update();
    QTextBrowser& Browser() { return *browser_; }

private:
    void ShowPage();
    void FollowLink(const QUrl& link);

    QTextBrowser* browser_;
    uint64_t shownLoad_ = 0;  // the object's load whose page is shown
    int shownCode_ = -1;
};

// The front of the web windows in the windowed program.
class tWebWindowFront : public tWebFront {
public:
    void Update(tLogoWeb& web) override;
    void Forget(tLogoWeb& web) override;
    // The top-level window of the object; none before it was first shown or after it went.
    tWebWindow* WindowOf(const tLogoWeb& web) const { return windows_.WindowOf(web); }

private:
    tDesktopWindows<tLogoWeb, tWebWindow> windows_;
};
