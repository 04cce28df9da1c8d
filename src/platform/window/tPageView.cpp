#include "platform/window/tPageView.h"

#include <QPaintEvent>
#include <QPainter>

#include "turtle/tgrScreen.h"

namespace {
constexpr int kRefreshMilliseconds = 33;
}  // namespace

tPageView::tPageView(QWidget* parent) : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    startTimer(kRefreshMilliseconds);
}

void tPageView::ShowSurface(tgrScreen* screen)
{
    screen_ = screen;
    Refresh();
}

bool tPageView::Refresh()
{
    if (!screen_) return false;
    QImage composed = screen_->Composed();
    if (composed == shown_) return false;
    const bool resized = composed.size() != shown_.size();
    shown_ = std::move(composed);
    if (resized) {
        setMinimumSize(shown_.size());
        updateGeometry();
    }
    update();
    return true;
}

QSize tPageView::sizeHint() const { return shown_.isNull() ? QSize(796, 499) : shown_.size(); }

void tPageView::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.fillRect(event->rect(), palette().color(QPalette::Window));
    painter.drawImage(0, 0, shown_);
}

void tPageView::timerEvent(QTimerEvent*) { Refresh(); }
