#pragma once

#include <QCursor>
#include <QImage>
#include <QWidget>

#include <cstdint>
#include <memory>

#include "platform/window/tPageMouse.h"

class tgrScreen;
class tlogopage;

// Shows a page's surface: its picture with the shown turtles over it. Processes draw from their
// own threads without telling anyone, so a timer looks at the surface's change count about 30
// times a second and composes and repaints only when it moved.
class tPageView : public QWidget {
public:
    explicit tPageView(QWidget* parent = nullptr);
    ~tPageView() override;

    // The page to show with its surface (the caller keeps the surface alive while it is
    // shown; none shows nothing); the mouse over the view reaches the page and its turtles.
    void ShowPage(tlogopage* page, tgrScreen* screen,
                  tPageMouse::tPageKind kind = tPageMouse::tPageKind::kShownPage);
    // Composes the surface when its change count moved; true when the picture shown changed.
    bool Refresh();
    const QImage& Shown() const { return shown_; }

    QSize sizeHint() const override;

    // The pointer's shape that "setmousecursor" chose, for the page.
    static QCursor ChosenCursor();

protected:
    // A tooltip shows the hint of the turtle under the pointer, else the page's.
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void timerEvent(QTimerEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    // Whatever the pointer was on hears a leave.
    void leaveEvent(QEvent* event) override;

private:
    void OfferMouse(const QMouseEvent& event, int kind);

    void ShowHintAt(const QPoint& at, const QPoint& global);

    tlogopage* page_ = nullptr;
    tgrScreen* screen_ = nullptr;
    std::unique_ptr<tPageMouse> mouse_;
    QImage shown_;
    uint64_t shownChanges_ = 0;  // the surface's change count when shown_ was composed
};
