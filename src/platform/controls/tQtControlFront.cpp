#include "platform/controls/tQtControlFront.h"

#include <utility>
#include <vector>

#include "controls/controlUserActions.h"
#include "platform/controls/controlWidgets.h"
#include "platform/window/interpreterHandOver.h"

namespace {

// The window thread may not take the interpreter lock; a process takes it for the handlers.
void fireUnderInterpreter(const std::shared_ptr<tLogoControlParams>& control, std::vector<tEventKey> events)
{
    if (events.empty()) return;
    runUnderInterpreter("@control", [control, events = std::move(events)] { fireControlEvents(*control, events); });
}

}  // namespace

tQtControlFront::tQtControlFront(tPageView* pageView, const void* shownPage) : pageView_(pageView), shownPage_(shownPage) {}

tQtControlFront::~tQtControlFront()
{
    for (auto& [control, shown] : shown_) delete shown.widget.data();
}

void tQtControlFront::Changed(std::shared_ptr<tLogoControlParams> control)
{
    QMetaObject::invokeMethod(this, [this, control = std::move(control)] { Show(control); }, Qt::QueuedConnection);
}

void tQtControlFront::Removed(std::shared_ptr<tLogoControlParams> control)
{
    QMetaObject::invokeMethod(this, [this, control = std::move(control)] { Forget(control.get()); }, Qt::QueuedConnection);
}

QWidget* tQtControlFront::WidgetOf(const tLogoControlParams& control) const
{
    auto found = shown_.find(&control);
    return found == shown_.end() ? nullptr : found->second.widget.data();
}

void tQtControlFront::Show(const std::shared_ptr<tLogoControlParams>& control)
{
    if (!pageView_ || !control->Announced()) return;
    const tSimpleControlState state = control->State();
    tShown& shown = shown_[control.get()];
    if (shown.widget && !widgetFits(shown.made, state)) delete shown.widget.data();
    if (!shown.widget) {
        shown.control = control;
        shown.made = state;
        shown.widget = makeControlWidget(control, state, pageView_, &fireUnderInterpreter);
    }
    showControlState(*shown.widget, state);
    shown.widget->setGeometry(state.placeLeft + state.left, state.placeTop + state.top, state.width, state.height);
    shown.widget->setVisible(state.shown && state.page == shownPage_);
}

void tQtControlFront::Forget(const tLogoControlParams* control)
{
    auto found = shown_.find(control);
    if (found == shown_.end()) return;
    delete found->second.widget.data();
    shown_.erase(found);
}
