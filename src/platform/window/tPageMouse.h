#pragma once

#include <deque>
#include <memory>

class QWidget;
class tlogopage;
class tmultiobject;
struct tMouseRouting;

// One mouse message of the page view, in surface pixels.
struct tMouseMessage {
    // kRecheck: what lies under the resting pointer may have changed; kLeave: it left the page.
    enum tKind { kPress, kDoubleClick, kMove, kRelease, kRecheck, kLeave };
    tKind kind = kMove;
    int button = 0;  // presses and releases: 0 left, 1 right, 2 middle
    int x = 0;
    int y = 0;
    int buttons = 0;  // held after this message: left 1, right 2, middle 4
    int keys = 0;     // held with it: control 1, shift 2 (Offer reads them)
};

// The mouse on a page a window shows: what lies under it (surfaceHit.h: the topmost pane, over the
// page's turtles, or the topmost shown turtle of that pane or page whose look covers the point)
// receives the press, release, click, drag, move, enter and leave events as handlers fired as
// processes. A part whose handler still runs takes no second one:
// presses, moves and clicks meanwhile are dropped, a release is remembered and replayed once
// it has ended, and an enter and a leave cancel each other.
//
// While a paint tool waits for the mouse (turtle/paintTools.h) the messages work the tool, and
// the selection frame (turtle/selectionFrame.h) takes those that fall on it; neither reaches
// turtles or the page then.
//
// A left press records where it took the object ("clickedpos"); a turtle with "autoDrag" (or
// one that "startDrag" took) then follows the pointer through "@drag" steps instead of
// hearing "onDrag", a pane with it moves along and hears "onDrag". The right button with Shift
// moves a pane, with Ctrl on its grip resizes it (paneMoving.h), firing nothing. Every message also tells the turtle layer where the pointer is
// (turtle/pointerState.h), so that "mousepos" and its kin answer without asking the window.
//
// Messages wait in a queue on the window thread; one hand-over to the interpreter
// (interpreterHandOver.h) handles every message queued by the time it runs.
class tPageMouse {
public:
    // The page the environment window shows is the one the main object's conversions use
    // (turtle/pointerState.h); pages of other windows have a mouse of their own beside it.
    enum class tPageKind { kShownPage, kOtherWindow };
    // `view` shows the page; it places the page on the desktop for the pointer conversions.
    explicit tPageMouse(tlogopage* page, QWidget* view = nullptr, tPageKind kind = tPageKind::kShownPage);
    ~tPageMouse();

    // On the window thread. Moves that follow each other are merged into the last.
    void Offer(const tMouseMessage& message);
    // The page changed under the pointer resting on it (turtles or panes moved): the objects it
    // is now on or off hear an enter or a leave. Nothing while a button is held.
    void Recheck();
    // The pointer left the page: what it was on hears a leave.
    void Leave();

private:
    void Queue(const tMouseMessage& message);
    void HandOver();
    void HandleQueued();

    QWidget* view_ = nullptr;
    std::unique_ptr<tMouseRouting> routing_;
    // Hand-overs still pending when the mouse goes find it gone.
    std::shared_ptr<char> alive_;
    std::deque<tMouseMessage> queued_;
    tMouseMessage last_;   // the last message offered, where the pointer rests
    bool inside_ = false;  // the pointer is on the page
    bool handingOver_ = false;
};
