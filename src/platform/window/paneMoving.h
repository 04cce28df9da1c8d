#pragma once

#include <QPoint>
#include <QRect>

class tmultiobject;

// A pane moved or resized with the mouse: the right button with Shift moves it, with Ctrl on
// its resize grip (a square at the bottom-right corner, a tenth of each side but 8 to 24
// pixels) resizes it, keeping its top-left corner and what it shows; moves follow the pointer
// until a button is released. Nothing is fired meanwhile. A frozen pane, or one on a frozen
// pane or page, stays. Under the interpreter lock.
class tPaneMoving {
public:
    bool Active() const { return pane_ != nullptr; }
    bool Resizing() const { return resizing_; }
    // Begins when the press asks for it; false when it does not (another button or key, a
    // turtle, the page, a frozen pane, a press off the grip with Ctrl). Points: in the shown page's pixels
    // and in the pane's.
    bool Begin(tmultiobject& object, int button, int keys, QPoint onPage, QPoint onPane);
    void Follow(QPoint onPage);
    void End() { pane_ = nullptr; }
    // The pane is going away.
    void Forget(tmultiobject& object);

private:
    tmultiobject* pane_ = nullptr;
    bool resizing_ = false;
    QPoint pressedAt_;
    QRect bounds_;  // where the pane lay on the surface under it, and its size, at the press
};

// Whether a point of the pane's pixels lies on its resize grip.
bool onResizeGrip(QPoint onPane, int width, int height);

// A pane dragged along by the left button ("autoDrag"): its corner goes where the pointer (in
// the shown page's pixels) keeps the offset it was taken at.
void dragPaneAlong(tmultiobject& pane, QPoint onPage, long double clickX, long double clickY);
