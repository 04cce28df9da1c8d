#pragma once

#include <deque>
#include <memory>

class tlogopage;
class tmultiobject;

// One mouse message of the page view, in surface pixels.
struct tMouseMessage {
    enum tKind { kPress, kDoubleClick, kMove, kRelease };
    tKind kind = kMove;
    int button = 0;  // presses and releases: 0 left, 1 right, 2 middle
    int x = 0;
    int y = 0;
    int buttons = 0;  // held after this message: left 1, right 2, middle 4
};

// The mouse on the shown page: the turtle under it (the topmost shown one whose look covers
// the point) or else the page receives the press, release, click, drag, move, enter and leave
// events as handlers fired as processes. A part whose handler still runs takes no second one:
// presses, moves and clicks meanwhile are dropped, a release is remembered and replayed once
// it has ended, and an enter and a leave cancel each other.
//
// Messages wait in a queue on the window thread; one hand-over to the interpreter
// (interpreterHandOver.h) handles every message queued by the time it runs.
class tPageMouse {
public:
    explicit tPageMouse(tlogopage* page);
    ~tPageMouse();

    // On the window thread. Moves that follow each other are merged into the last.
    void Offer(const tMouseMessage& message);

private:
    void HandOver();
    void HandleQueued();

    std::deque<tMouseMessage> queued_;
    bool handingOver_ = false;
};
