#include "platform/window/tPageMouse.h"

#include <QPolygonF>

#include <map>
#include <mutex>

#include "objects/destructionHooks.h"
#include "objects/eventNames.h"
#include "objects/objectEvents.h"
#include "objects/tmultiobject.h"
#include "platform/window/interpreterHandOver.h"
#include "turtle/tLogoTurtleParams.h"
#include "turtle/tTurtleShape.h"
#include "turtle/tgrScreen.h"
#include "turtle/tlogopage.h"
#include "turtle/turtleOverlap.h"
#include "turtle/turtleShape.h"

namespace {

// Mouse state of one object taking mouse events.
struct tMouseTarget {
    bool busy = false;
    bool pendingUp = false;
    int pendingButton = 0;
    bool pendingEnter = false;
    bool pendingLeave = false;
};

// What the page's mouse knows of the objects under it. Touched only under the interpreter
// lock: in the hand-over's completion routines and in the destruction hook.
struct tMouseRouting {
    tlogopage* page = nullptr;
    tmultiobject* pressed = nullptr;  // the turtle a press went to, while a button is held
    tmultiobject* tracked = nullptr;  // the turtle under the mouse
    bool doubleClicked = false;       // the release that ends a double click makes no click
    std::map<tmultiobject*, tMouseTarget> targets;
};

tMouseRouting routing;

constexpr tEventKey kPressEvents[] = {tEventKey::onLeftDown, tEventKey::onRightDown, tEventKey::onMiddleDown};
constexpr tEventKey kReleaseEvents[] = {tEventKey::onLeftUp, tEventKey::onRightUp, tEventKey::onMiddleUp};

void forgetObject(tmultiobject& object)
{
    if (routing.page == &object) routing.page = nullptr;
    if (routing.pressed == &object) routing.pressed = nullptr;
    if (routing.tracked == &object) routing.tracked = nullptr;
    routing.targets.erase(&object);
}

void fire(tmultiobject& object, tEventKey event);

// A handler of the object ended: the one remembered event, if any, follows.
void handlerEnded(tmultiobject* object)
{
    auto found = routing.targets.find(object);
    if (found == routing.targets.end()) return;
    tMouseTarget& state = found->second;
    state.busy = false;
    if (state.pendingUp) {
        state.pendingUp = false;
        fire(*object, kReleaseEvents[state.pendingButton]);
    } else if (state.pendingEnter) {
        state.pendingEnter = false;
        fire(*object, tEventKey::onMouseEnter);
    } else if (state.pendingLeave) {
        state.pendingLeave = false;
        fire(*object, tEventKey::onMouseLeave);
    }
}

void fire(tmultiobject& object, tEventKey event)
{
    routing.targets[&object].busy = true;
    tmultiobject* target = &object;
    fireEvent(object, eventCode(event), {[target] { handlerEnded(target); }, target});
}

bool busy(tmultiobject& object) { return routing.targets[&object].busy; }

// Presses, moves, drags and clicks that find the object busy are dropped.
void fireUnlessBusy(tmultiobject& object, tEventKey event)
{
    if (!busy(object)) fire(object, event);
}

void fireRelease(tmultiobject& object, int button)
{
    tMouseTarget& state = routing.targets[&object];
    if (!state.busy) {
        fire(object, kReleaseEvents[button]);
        return;
    }
    state.pendingUp = true;
    state.pendingButton = button;
}

void fireEnterOrLeave(tmultiobject& object, bool enter)
{
    tMouseTarget& state = routing.targets[&object];
    if (!state.busy) {
        fire(object, enter ? tEventKey::onMouseEnter : tEventKey::onMouseLeave);
        return;
    }
    bool& opposite = enter ? state.pendingLeave : state.pendingEnter;
    if (opposite)
        opposite = false;
    else
        (enter ? state.pendingEnter : state.pendingLeave) = true;
}

bool covers(const tLogoTurtleParams& turtle, int x, int y)
{
    const tShapeBounds bounds = turtleBounds(turtle);
    if (x < bounds.left || y < bounds.top || x >= bounds.right || y >= bounds.bottom) return false;
    if (!turtle.shape) return defaultTurtleOutline(turtle).containsPoint(QPointF(x + 0.5, y + 0.5), Qt::OddEvenFill);
    const tTurtleShape& shape = *turtle.shape;
    const QImage picture = shape.View(shape.FrameFor(turtle.heading, turtle.frameIndex, turtle.frameMode), 0).picture;
    // A picture with transparent parts is hit where it is painted only.
    return !picture.hasAlphaChannel() ||
           qAlpha(picture.pixel(static_cast<int>(x - bounds.left), static_cast<int>(y - bounds.top))) != 0;
}

// The topmost shown turtle whose look covers the point; none over the bare page.
tmultiobject* turtleAt(int x, int y)
{
    if (!routing.page) return nullptr;
    std::vector<tLogoTurtleParams*> turtles = routing.page->Screen().Turtles();
    for (auto turtle = turtles.rbegin(); turtle != turtles.rend(); ++turtle)
        if ((*turtle)->shown && covers(**turtle, x, y)) return dynamic_cast<tmultiobject*>((*turtle)->owner);
    return nullptr;
}

void track(tmultiobject* turtle)
{
    if (turtle == routing.tracked) return;
    if (routing.tracked) fireEnterOrLeave(*routing.tracked, false);
    routing.tracked = turtle;
    if (turtle) fireEnterOrLeave(*turtle, true);
}

// A move reaches an object as a drag while the left button is held, as a plain move while none is.
void moveOn(tmultiobject& object, int buttons)
{
    if (buttons & 1)
        fireUnlessBusy(object, tEventKey::onDrag);
    else if (buttons == 0)
        fireUnlessBusy(object, tEventKey::onMouseMove);
}

void handle(const tMouseMessage& message)
{
    if (!routing.page) return;
    tmultiobject& page = *routing.page;
    tmultiobject* hit = turtleAt(message.x, message.y);
    switch (message.kind) {
    case tMouseMessage::kPress:
    case tMouseMessage::kDoubleClick: {
        tmultiobject& target = hit ? *hit : page;
        routing.pressed = hit;
        routing.doubleClicked = message.kind == tMouseMessage::kDoubleClick && message.button == 0;
        if (routing.doubleClicked) {
            const bool hasDoubleClick = eventHandler(target, eventCode(tEventKey::onDoubleClick)) != nullptr;
            fireUnlessBusy(target, hasDoubleClick ? tEventKey::onDoubleClick : tEventKey::onClick);
        } else {
            fireUnlessBusy(target, kPressEvents[message.button]);
        }
        break;
    }
    case tMouseMessage::kMove:
        if (routing.pressed && message.buttons) {
            moveOn(*routing.pressed, message.buttons);
            break;
        }
        routing.pressed = nullptr;
        // A move with a button held that began on the page stays the page's.
        track(message.buttons ? nullptr : hit);
        moveOn(routing.tracked ? *routing.tracked : page, message.buttons);
        break;
    case tMouseMessage::kRelease: {
        tmultiobject* pressed = routing.pressed;
        // The click comes first, so that a release while its handler runs is remembered. It
        // belongs to the pressed turtle when the mouse is still on it, else to the page.
        if (message.button == 0 && !routing.doubleClicked)
            fireUnlessBusy(pressed && hit == pressed ? *pressed : page, tEventKey::onClick);
        fireRelease(pressed ? *pressed : page, message.button);
        if (message.button == 0) routing.doubleClicked = false;
        if (!message.buttons) routing.pressed = nullptr;
        break;
    }
    }
}

}  // namespace

tPageMouse::tPageMouse(tlogopage* page)
{
    static std::once_flag hooked;
    std::call_once(hooked, [] { addDestructionHook(&forgetObject); });
    routing.page = page;
}

tPageMouse::~tPageMouse() = default;

void tPageMouse::Offer(const tMouseMessage& message)
{
    if (message.kind == tMouseMessage::kMove && !queued_.empty() && queued_.back().kind == tMouseMessage::kMove)
        queued_.back() = message;
    else
        queued_.push_back(message);
    if (!handingOver_) HandOver();
}

void tPageMouse::HandOver()
{
    handingOver_ = true;
    if (runUnderInterpreter("@mouse", [this] { HandleQueued(); })) return;
    // The program is closing: the messages are dropped.
    queued_.clear();
    handingOver_ = false;
}

void tPageMouse::HandleQueued()
{
    while (!queued_.empty()) {
        const tMouseMessage message = queued_.front();
        queued_.pop_front();
        handle(message);
    }
    handingOver_ = false;
}
