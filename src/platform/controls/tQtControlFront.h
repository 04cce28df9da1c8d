#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>

#include <QTimer>

#include <cstdint>
#include <map>
#include <memory>
#include <optional>

#include "controls/controlFront.h"
#include "controls/tLogoControlParams.h"
#include "platform/window/tPageView.h"

class tgrScreen;

// The simple controls of the page the window shows, as widgets over its page view, placed in the
// page's pixels. Changes come from the processes' threads and are shown on the window thread;
// what the user does fires the control's events under the interpreter lock. A control on a pane
// lies where the pane lies now and is hidden while the pane is: the front follows the panes of
// the page whenever the page's surfaces change (a pane dragged with the mouse included).
class tQtControlFront : public QObject, public tControlFront {
public:
    // `shownPage` is the surface of the page the view shows (controls of other pages stay
    // hidden); it must outlive the front.
    tQtControlFront(tPageView* pageView, tgrScreen* shownPage);
    ~tQtControlFront() override;

    void Changed(std::shared_ptr<tLogoControlParams> control) override;
    void Removed(std::shared_ptr<tLogoControlParams> control) override;

    // The widget that shows the control, if any (window thread).
    QWidget* WidgetOf(const tLogoControlParams& control) const;
    // The view shows another page now: its controls show, the others hide (window thread).
    void ShowSurface(tgrScreen* shownPage);

private:
    struct tShown {
        std::shared_ptr<tLogoControlParams> control;
        tSimpleControlState made;  // the state the widget shows, made for its kind
        QPointer<QWidget> widget;
    };

    void Show(const std::shared_ptr<tLogoControlParams>& control);
    void Place(const tShown& shown) const;
    void Forget(const tLogoControlParams* control);
    // Places every widget again when the page's surfaces changed.
    void FollowSurfaces();

    QPointer<QWidget> pageView_;
    tgrScreen* shownPage_;
    QTimer surfaceWatch_;
    uint64_t surfaceChanges_ = 0;
    std::map<const tLogoControlParams*, tShown> shown_;  // window thread only
};
