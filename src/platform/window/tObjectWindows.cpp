#include "platform/window/tObjectWindows.h"

#include <QCloseEvent>
#include <QPointer>
#include <QVBoxLayout>

#include "platform/window/tPageView.h"
#include "platform/window/windowClosing.h"
#include "platform/window/windowText.h"
#include "turtle/controlProperties.h"
#include "turtle/tSplitwindow.h"
#include "turtle/tgrScreen.h"
#include "turtle/tlogopage.h"

tObjectWindow::tObjectWindow(tSplitwindow& object) : tDesktopObjectWindow(object), view_(new tPageView(this))
{
    setObjectName(fromLogoText(object.name));
    if (object.floating) setWindowFlag(Qt::Tool);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view_);
}

void tObjectWindow::Update()
{
    updating_ = true;
    const tControlBounds& bounds = object_.bounds;
    move(bounds.left, bounds.top);
    resize(bounds.width, bounds.height);
    setWindowTitle(fromLogoText(object_.caption.empty() ? object_.name : object_.caption));
    const tControlState state = controlState(object_);
    setEnabled(state.enabled);
    if (object_.shownPage != page_) {
        page_ = object_.shownPage;
        screen_ = page_ ? tLogoRef<tgrScreen>(&page_->Screen()) : tLogoRef<tgrScreen>();
        view_->ShowPage(page_, screen_.get(), tPageMouse::tPageKind::kOtherWindow);
    }
    setVisible(state.shown);
    updating_ = false;
}

void tObjectWindowFront::Update(tSplitwindow& window) { windows_.Update(window); }

void tObjectWindowFront::Forget(tSplitwindow& window) { windows_.Forget(window); }
