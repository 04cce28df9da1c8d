#include "platform/controls/tQtControlFront.h"

#include <optional>
#include <utility>
#include <vector>

#include "controls/controlUserActions.h"
#include "platform/controls/controlWidgets.h"
#include "platform/window/interpreterHandOver.h"
#include "turtle/tgrScreen.h"
#include "values/tLogoRef.h"

namespace {

// The window thread may not take the interpreter lock; a process takes it for the handlers.
void fireUnderInterpreter(const std::shared_ptr<tLogoControlParams>& control, std::vector<tEventKey> events)
{
    if (events.empty()) return;
    runUnderInterpreter("@control", [control, events = std::move(events)] { fireControlEvents(*control, events); });
}

// The top-left corner of the surface `ground` in the pixels of `from`, walking the surfaces that
// lie on it; none when `ground` does not lie there (another page's, or a hidden pane's).
std::optional<QPoint> cornerOf(tgrScreen& from, const void* ground)
{
    if (&from == ground) return QPoint(0, 0);
    for (const tLogoRef<tgrScreen>& lying : from.Children())
        if (std::optional<QPoint> inside = cornerOf(*lying, ground)) return *inside + QPoint(lying->Left(), lying->Top());
    return std::nullopt;
}

// Panes move and hide between Logo's changes (the mouse drags them): the page's change count
// says when to look again.
constexpr int kSurfaceWatchMilliseconds = 50;

}  // namespace

tQtControlFront::tQtControlFront(tPageView* pageView, tgrScreen* shownPage) : pageView_(pageView), shownPage_(shownPage)
{
    connect(&surfaceWatch_, &QTimer::timeout, this, &tQtControlFront::FollowSurfaces);
    surfaceWatch_.start(kSurfaceWatchMilliseconds);
}

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
    shown.made = state;
    Place(shown);
}

void tQtControlFront::Place(const tShown& shown) const
{
    const tSimpleControlState& state = shown.made;
    const std::optional<QPoint> corner = shownPage_ ? cornerOf(*shownPage_, state.ground) : std::nullopt;
    if (corner) shown.widget->setGeometry(corner->x() + state.left, corner->y() + state.top, state.width, state.height);
    shown.widget->setVisible(state.shown && corner.has_value());
}

void tQtControlFront::FollowSurfaces()
{
    if (!shownPage_) return;
    const uint64_t changes = shownPage_->Changes();
    if (changes == surfaceChanges_) return;
    surfaceChanges_ = changes;
    for (const auto& [control, shown] : shown_)
        if (shown.widget) Place(shown);
}

void tQtControlFront::ShowSurface(tgrScreen* shownPage)
{
    shownPage_ = shownPage;
    surfaceChanges_ = shownPage ? shownPage->Changes() : 0;
    for (const auto& [control, shown] : shown_)
        if (shown.widget) Place(shown);
}

void tQtControlFront::Forget(const tLogoControlParams* control)
{
    auto found = shown_.find(control);
    if (found == shown_.end()) return;
    delete found->second.widget.data();
    shown_.erase(found);
}
