#include "platform/window/tPageView.h"

#include <QCursor>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPixmap>
#include <QPointer>
#include <QToolTip>

#include "platform/window/interpreterHandOver.h"
#include "platform/window/surfaceHit.h"
#include "platform/window/tPageMouse.h"
#include "platform/window/windowText.h"
#include "turtle/hintProperty.h"
#include "turtle/mouseCursor.h"
#include "turtle/tgrScreen.h"
#include "turtle/tlogopage.h"

namespace {
constexpr int kRefreshMilliseconds = 33;

int buttonIndex(Qt::MouseButton button)
{
    switch (button) {
    case Qt::RightButton: return 1;
    case Qt::MiddleButton: return 2;
    default: return 0;
    }
}

int heldButtons(Qt::MouseButtons buttons)
{
    return (buttons & Qt::LeftButton ? 1 : 0) | (buttons & Qt::RightButton ? 2 : 0) | (buttons & Qt::MiddleButton ? 4 : 0);
}

}  // namespace

tPageView::tPageView(QWidget* parent) : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    // Turtles hear the mouse passing over them, not only dragging.
    setMouseTracking(true);
    startTimer(kRefreshMilliseconds);
}

tPageView::~tPageView() = default;

namespace {

QCursor qCursorOf(const tMouseCursor& cursor)
{
    if (cursor.picture.isNull()) return QCursor(cursor.shape);
    return QCursor(QPixmap::fromImage(cursor.picture), cursor.hotX, cursor.hotY);
}

}  // namespace

QCursor tPageView::ChosenCursor() { return qCursorOf(mouseCursor()); }

void tPageView::ShowPage(tlogopage* page, tgrScreen* screen, tPageMouse::tPageKind kind)
{
    page_ = page;
    screen_ = screen;
    shown_ = QImage();
    if (!page) {
        mouse_.reset();
        Refresh();
        update();
        return;
    }
    mouse_ = std::make_unique<tPageMouse>(page, this, kind);
    if (kind == tPageMouse::tPageKind::kShownPage) {
        // "setmousecursor" shapes the pointer over the page the environment shows.
        QPointer<tPageView> view(this);
        setCursorShower([view](const tMouseCursor& cursor) {
            if (view) view->setCursor(qCursorOf(cursor));
        });
        setCursor(qCursorOf(mouseCursor()));
    }
    Refresh();
}

bool tPageView::Refresh()
{
    if (!screen_) return false;
    // The count is taken before composing: a change made meanwhile moves it again.
    const uint64_t changes = screen_->Changes();
    if (changes == shownChanges_ && !shown_.isNull()) return false;
    shownChanges_ = changes;
    QImage composed = screen_->Composed();
    if (composed == shown_) return false;
    const bool resized = composed.size() != shown_.size();
    shown_ = std::move(composed);
    if (resized) {
        setMinimumSize(shown_.size());
        updateGeometry();
    }
    update();
    // Turtles or panes may have moved under the resting pointer.
    if (mouse_) mouse_->Recheck();
    return true;
}

QSize tPageView::sizeHint() const { return shown_.isNull() ? QSize(796, 499) : shown_.size(); }

void tPageView::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.fillRect(event->rect(), palette().color(QPalette::Window));
    painter.drawImage(0, 0, shown_);
}

// A hidden or minimised window composes nothing; it catches up when it shows again.
void tPageView::timerEvent(QTimerEvent*)
{
    if (isVisible() && !window()->isMinimized()) Refresh();
}

bool tPageView::event(QEvent* event)
{
    if (event->type() != QEvent::ToolTip) return QWidget::event(event);
    auto* help = static_cast<QHelpEvent*>(event);
    ShowHintAt(help->pos(), help->globalPos());
    return true;
}

// Hints are read under the interpreter lock, which the window thread never takes: a process
// takes it and the tooltip shows from its completion routine.
void tPageView::ShowHintAt(const QPoint& at, const QPoint& global)
{
    if (!page_ || !screen_) return;
    QPointer<tPageView> view(this);
    runUnderInterpreter("@hint", [view, at, global] {
        if (!view || !view->page_ || !view->screen_) return;
        // The topmost turtle there that has a hint, else the pane or page under it, else the
        // page or pane that one lies on.
        const tSurfaceHit hit = hitAt(*view->page_, *view->screen_, at.x(), at.y(),
                                      [](tmultiobject& turtle) { return !hintOf(turtle).empty(); });
        std::string hint = hit.turtle ? hintOf(*hit.object) : std::string();
        for (tmultiobject* object = hit.placed.owner; object && hint.empty(); object = object->place) {
            hint = hintOf(*object);
            if (object == view->page_) break;
        }
        if (hint.empty())
            QToolTip::hideText();
        else
            QToolTip::showText(global, fromLogoText(hint), view);
    });
}

void tPageView::OfferMouse(const QMouseEvent& event, int kind)
{
    if (!mouse_) return;
    tMouseMessage message;
    message.kind = static_cast<tMouseMessage::tKind>(kind);
    message.button = buttonIndex(event.button());
    const QPoint at = event.position().toPoint();
    message.x = at.x();
    message.y = at.y();
    message.buttons = heldButtons(event.buttons());
    mouse_->Offer(message);
}

void tPageView::mousePressEvent(QMouseEvent* event)
{
    setFocus(Qt::MouseFocusReason);
    OfferMouse(*event, tMouseMessage::kPress);
}

void tPageView::mouseDoubleClickEvent(QMouseEvent* event) { OfferMouse(*event, tMouseMessage::kDoubleClick); }

void tPageView::mouseMoveEvent(QMouseEvent* event) { OfferMouse(*event, tMouseMessage::kMove); }

void tPageView::mouseReleaseEvent(QMouseEvent* event) { OfferMouse(*event, tMouseMessage::kRelease); }

void tPageView::leaveEvent(QEvent*)
{
    if (mouse_) mouse_->Leave();
}
