#include "platform/window/tPageMouse.h"

#include <QCursor>
#include <QGuiApplication>
#include <QPolygonF>
#include <QWidget>

#include <map>
#include <mutex>

#include "objects/destructionHooks.h"
#include "objects/eventNames.h"
#include "objects/objectEvents.h"
#include "objects/tmultiobject.h"
#include "platform/window/interpreterHandOver.h"
#include "turtle/dragStep.h"
#include "turtle/paintTools.h"
#include "turtle/pointerState.h"
#include "turtle/tLogoTurtleParams.h"
#include "turtle/tTurtleShape.h"
#include "turtle/tgrScreen.h"
#include "turtle/selectionFrame.h"
#include "turtle/tlogopage.h"
#include "turtle/turtleAccess.h"
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

// An object dragged along takes one "@drag" step at a time; its end clears busy as a
// handler's does.
void dragStep(tmultiobject& object)
{
    routing.targets[&object].busy = true;
    tmultiobject* target = &object;
    if (!startDragStep(object, {[target] { handlerEnded(target); }, target})) routing.targets[&object].busy = false;
}

// A move reaches an object as a drag while the left button is held, as a plain move while none is.
void moveOn(tmultiobject& object, int buttons)
{
    if (buttons & 1) {
        if (busy(object)) return;
        const tObjectPointer* record = findObjectPointer(object);
        if (record && record->dragArmed)
            dragStep(object);
        else
            fire(object, tEventKey::onDrag);
    } else if (buttons == 0) {
        fireUnlessBusy(object, tEventKey::onMouseMove);
    }
}

// Where the left button took the object: from a turtle's position, from a page's corner. The
// drag is armed when the object follows the pointer.
void takeWithLeftButton(tmultiobject* turtle, tmultiobject& target, int x, int y)
{
    tObjectPointer& record = objectPointer(target);
    record.clickX = x;
    record.clickY = y;
    if (tLogoTurtleParams* params = turtle ? &turtleOf(turtle) : nullptr) {
        record.clickX = x - params->position.x;
        record.clickY = y - params->position.y;
    }
    record.dragArmed = record.autoDrag;
}

void endDrag(tmultiobject* object)
{
    if (tObjectPointer* record = object ? findObjectPointer(*object) : nullptr) record->dragArmed = false;
}

// A paint tool waiting for the mouse takes every message; the selection frame those on it and
// those of an action it began.
bool toolsTake(const tMouseMessage& message)
{
    tgrScreen& screen = routing.page->Screen();
    const tPixel at{message.x, message.y};
    switch (message.kind) {
    case tMouseMessage::kPress:
    case tMouseMessage::kDoubleClick:
        return paintToolPress(screen, message.button, at, message.keys) ||
               selectionPress(screen, message.button, at, message.keys);
    case tMouseMessage::kMove:
        return paintToolMove(screen, at, message.buttons, message.keys) || selectionMove(screen, at, message.buttons);
    case tMouseMessage::kRelease:
        return paintToolRelease(screen, message.button, at, message.keys) || selectionRelease(screen, message.button);
    }
    return false;
}

void handle(const tMouseMessage& message)
{
    if (!routing.page) return;
    if (toolsTake(message)) return;
    tmultiobject& page = *routing.page;
    tmultiobject* hit = turtleAt(message.x, message.y);
    switch (message.kind) {
    case tMouseMessage::kPress:
    case tMouseMessage::kDoubleClick: {
        // Any button ends a drag that a program started.
        endDrag(programDrag());
        endProgramDrag();
        tmultiobject& target = hit ? *hit : page;
        routing.pressed = hit;
        routing.doubleClicked = message.kind == tMouseMessage::kDoubleClick && message.button == 0;
        if (routing.doubleClicked) {
            const bool hasDoubleClick = eventHandler(target, eventCode(tEventKey::onDoubleClick)) != nullptr;
            fireUnlessBusy(target, hasDoubleClick ? tEventKey::onDoubleClick : tEventKey::onClick);
        } else {
            if (message.button == 0 && !busy(target)) takeWithLeftButton(hit, target, message.x, message.y);
            fireUnlessBusy(target, kPressEvents[message.button]);
        }
        break;
    }
    case tMouseMessage::kMove:
        if (tmultiobject* dragged = programDrag()) {
            moveOn(*dragged, 1);
            break;
        }
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
        endDrag(programDrag());
        endProgramDrag();
        tmultiobject* pressed = routing.pressed;
        if (message.button == 0) endDrag(pressed ? pressed : &page);
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

tPageMouse::tPageMouse(tlogopage* page, QWidget* view) : view_(view)
{
    static std::once_flag hooked;
    std::call_once(hooked, [] {
        addDestructionHook(&forgetObject);
        setCursorPlacer([](int32_t x, int32_t y) { QCursor::setPos(x, y); });
    });
    routing.page = page;
    setMainSurface(page ? &page->Screen() : nullptr);
}

tPageMouse::~tPageMouse() = default;

void tPageMouse::Offer(const tMouseMessage& offered)
{
    tMouseMessage message = offered;
    const Qt::KeyboardModifiers modifiers = QGuiApplication::keyboardModifiers();
    message.keys = (modifiers & Qt::ControlModifier ? 1 : 0) | (modifiers & Qt::ShiftModifier ? 2 : 0);
    tPointerState state;
    state.x = message.x;
    state.y = message.y;
    state.buttons = message.buttons;
    state.keys = message.keys;
    if (view_) {
        const QPoint corner = view_->mapToGlobal(QPoint(0, 0));
        state.surfaceLeft = corner.x();
        state.surfaceTop = corner.y();
    }
    reportPointer(state);

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
