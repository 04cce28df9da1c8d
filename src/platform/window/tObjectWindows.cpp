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

tObjectWindow::tObjectWindow(tSplitwindow& object) : object_(object), view_(new tPageView(this))
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

// Bounds are read and written on the window thread only, by the object's properties too. The
// corner is the frame's on the desktop, the size that of the page area.
void tObjectWindow::RememberBounds()
{
    if (updating_) return;
    object_.bounds = {pos().x(), pos().y(), width(), height()};
}

void tObjectWindow::moveEvent(QMoveEvent*) { RememberBounds(); }

void tObjectWindow::resizeEvent(QResizeEvent*) { RememberBounds(); }

// The object stays: an "onErase" handler decides what closing does, else the window hides.
void tObjectWindow::closeEvent(QCloseEvent* event)
{
    event->ignore();
    QPointer<tObjectWindow> window(this);
    requestWindowClose(&object_, [window] {
        if (!window) return;
        setControlShown(window->object_, false);
        window->hide();
    });
}

void tObjectWindowFront::Update(tSplitwindow& window)
{
    std::unique_ptr<tObjectWindow>& shown = windows_[&window];
    if (!shown) shown = std::make_unique<tObjectWindow>(window);
    shown->Update();
}

void tObjectWindowFront::Forget(tSplitwindow& window) { windows_.erase(&window); }

tObjectWindow* tObjectWindowFront::WindowOf(const tSplitwindow& window) const
{
    auto found = windows_.find(&window);
    return found == windows_.end() ? nullptr : found->second.get();
}
