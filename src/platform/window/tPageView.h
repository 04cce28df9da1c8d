#pragma once

#include <QImage>
#include <QWidget>

class tgrScreen;

// Shows a page's surface: its picture with the shown turtles over it. Processes draw from their
// own threads without telling anyone, so a timer composes the page about 30 times a second and
// repaints only when the composition differs from what is shown.
class tPageView : public QWidget {
public:
    explicit tPageView(QWidget* parent = nullptr);

    // The surface to show; its owner keeps it alive while it is shown.
    void ShowSurface(tgrScreen* screen);
    // Composes the surface now; true when the picture shown changed.
    bool Refresh();
    const QImage& Shown() const { return shown_; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void timerEvent(QTimerEvent* event) override;

private:
    tgrScreen* screen_ = nullptr;
    QImage shown_;
};
