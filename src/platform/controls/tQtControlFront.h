#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>

#include <map>
#include <memory>

#include "controls/controlFront.h"
#include "controls/tLogoControlParams.h"
#include "platform/window/tPageView.h"

// The simple controls of the page the window shows, as widgets over its page view, placed in the
// page's pixels. Changes come from the processes' threads and are shown on the window thread;
// what the user does fires the control's events under the interpreter lock.
class tQtControlFront : public QObject, public tControlFront {
public:
    // `shownPage` is the surface of the page the view shows (controls of other pages stay
    // hidden); it is compared, never read.
    tQtControlFront(tPageView* pageView, const void* shownPage);
    ~tQtControlFront() override;

    void Changed(std::shared_ptr<tLogoControlParams> control) override;
    void Removed(std::shared_ptr<tLogoControlParams> control) override;

    // The widget that shows the control, if any (window thread).
    QWidget* WidgetOf(const tLogoControlParams& control) const;

private:
    struct tShown {
        std::shared_ptr<tLogoControlParams> control;
        tSimpleControlState made;  // the state the widget was made for
        QPointer<QWidget> widget;
    };

    void Show(const std::shared_ptr<tLogoControlParams>& control);
    void Forget(const tLogoControlParams* control);

    QPointer<QWidget> pageView_;
    const void* shownPage_;
    std::map<const tLogoControlParams*, tShown> shown_;  // window thread only
};
