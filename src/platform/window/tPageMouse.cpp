#include "platform/window/tPageMouse.h"

#include <QCursor>
#include <QGuiApplication>
#include <QWidget>

#include <map>
#include <mutex>
#include <optional>
#include <set>

#include "objects/destructionHooks.h"
#include "objects/eventNames.h"
#include "objects/objectEvents.h"
#include "objects/tmultiobject.h"
#include "platform/window/interpreterHandOver.h"
#include "platform/window/paneMoving.h"
#include "platform/window/surfaceHit.h"
#include "platform/window/tPageView.h"
#include "turtle/controlProperties.h"
#include "turtle/dragStep.h"
#include "turtle/paintTools.h"
#include "turtle/pointerState.h"
#include "turtle/tLogoTurtleParams.h"
#include "turtle/tgrScreen.h"
#include "turtle/selectionFrame.h"
#include "turtle/toolAction.h"
#include "turtle/tlogopage.h"
#include "turtle/tlogopane.h"
#include "turtle/turtleAccess.h"

// Mouse state of one object taking mouse events.
struct tMouseTarget {
    bool busy = false;
    bool pendingUp = false;
    int pendingButton = 0;
    bool pendingEnter = false;
    bool pendingLeave = false;
    bool clickSuppressed = false;  // the left press started a tool action: no click follows
};

// What a page's mouse knows of the objects under it. Touched only under the interpreter
// lock: in the hand-over's completion routines and in the destruction hook.
struct tMouseRouting {
    tlogopage* page = nullptr;
    tmultiobject* pressed = nullptr;         // the turtle or pane a press went to, while a button is held
    tmultiobject* pressedSurface = nullptr;  // the page or pane the press fell on
    tmultiobject* trackedPane = nullptr;     // the innermost pane under the mouse
    tmultiobject* trackedTurtle = nullptr;   // the turtle under the mouse
    bool doubleClicked = false;       // the release that ends a double click makes no click
    std::map<tmultiobject*, tMouseTarget> targets;
    tPaneMoving paneMoving;
    QWidget* view = nullptr;  // shows the page; its cursor tells a move, a resize or a handle
    bool ownCursor = false;   // the view shows a cursor of the mouse's instead of the chosen one
};

namespace {

// Each page mouse routes its own view's messages; handling runs under the interpreter lock, one
// mouse at a time, and `routing()` is the one whose messages are being handled.
tMouseRouting* handled = nullptr;
tMouseRouting& routing() { return *handled; }

// Every live page mouse's routing, for the destruction hook.
std::mutex routingsLock;
std::set<tMouseRouting*> routings;

constexpr tEventKey kPressEvents[] = {tEventKey::onLeftDown, tEventKey::onRightDown, tEventKey::onMiddleDown};
constexpr tEventKey kReleaseEvents[] = {tEventKey::onLeftUp, tEventKey::onRightUp, tEventKey::onMiddleUp};

// Runs `work` with `mouse` as the routing handled, when that page mouse still lives.
template <class Work>
void withRouting(tMouseRouting* mouse, Work work)
{
    {
        std::lock_guard<std::mutex> hold(routingsLock);
        if (!routings.contains(mouse)) return;
    }
    tMouseRouting* before = handled;
    handled = mouse;
    work();
    handled = before;
}

void forgetObjectInRouting(tmultiobject& object)
{
    if (routing().page == &object) routing().page = nullptr;
    for (tmultiobject** known : {&routing().pressed, &routing().pressedSurface, &routing().trackedPane, &routing().trackedTurtle})
        if (*known == &object) *known = nullptr;
    routing().targets.erase(&object);
    routing().paneMoving.Forget(object);
}

void forgetObject(tmultiobject& object)
{
    std::set<tMouseRouting*> all;
    {
        std::lock_guard<std::mutex> hold(routingsLock);
        all = routings;
    }
    for (tMouseRouting* mouse : all) withRouting(mouse, [&] { forgetObjectInRouting(object); });
}

void fire(tmultiobject& object, tEventKey event);

// A handler of the object ended: the one remembered event, if any, follows.
void handlerEnded(tmultiobject* object)
{
    auto found = routing().targets.find(object);
    if (found == routing().targets.end()) return;
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
    routing().targets[&object].busy = true;
    tmultiobject* target = &object;
    tMouseRouting* mouse = handled;
    fireEvent(object, eventCode(event), {[mouse, target] { withRouting(mouse, [&] { handlerEnded(target); }); }, target});
}

bool busy(tmultiobject& object) { return routing().targets[&object].busy; }

// Presses, moves, drags and clicks that find the object busy are dropped.
void fireUnlessBusy(tmultiobject& object, tEventKey event)
{
    if (!busy(object)) fire(object, event);
}

void fireRelease(tmultiobject& object, int button)
{
    tMouseTarget& state = routing().targets[&object];
    if (!state.busy) {
        fire(object, kReleaseEvents[button]);
        return;
    }
    state.pendingUp = true;
    state.pendingButton = button;
}

void fireEnterOrLeave(tmultiobject& object, bool enter)
{
    tMouseTarget& state = routing().targets[&object];
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

// The turtle or pane under the pointer hears an enter when the pointer comes onto it and a
// leave when it goes off (onto a turtle or a pane lying on it too, as for a window's child).
void track(tmultiobject*& tracked, tmultiobject* now)
{
    if (now == tracked) return;
    if (tracked) fireEnterOrLeave(*tracked, false);
    tracked = now;
    if (now) fireEnterOrLeave(*now, true);
}

// An object dragged along takes one "@drag" step at a time; its end clears busy as a
// handler's does.
void dragStep(tmultiobject& object)
{
    routing().targets[&object].busy = true;
    tmultiobject* target = &object;
    tMouseRouting* mouse = handled;
    if (!startDragStep(object, {[mouse, target] { withRouting(mouse, [&] { handlerEnded(target); }); }, target}))
        routing().targets[&object].busy = false;
}

// A move reaches an object as a drag while the left button is held, as a plain move while none
// is. A pane dragged along moves at once and then hears the drag.
void moveOn(tmultiobject& object, int buttons, QPoint onPage)
{
    if (buttons & 1) {
        if (busy(object)) return;
        const tObjectPointer* record = findObjectPointer(object);
        const bool armed = record && record->dragArmed;
        if (armed && dynamic_cast<tlogopane*>(&object)) dragPaneAlong(object, onPage, record->clickX, record->clickY);
        if (armed && !dynamic_cast<tlogopane*>(&object))
            dragStep(object);
        else
            fire(object, tEventKey::onDrag);
    } else if (buttons == 0) {
        fireUnlessBusy(object, tEventKey::onMouseMove);
    }
}

bool followsThePointer(tmultiobject& object)
{
    if (auto* pane = dynamic_cast<tlogopane*>(&object)) return pane->autoDrag;
    const tObjectPointer* record = findObjectPointer(object);
    return record && record->autoDrag;
}

// Where the left button took the object: from a turtle's position, from a page's or pane's
// corner. The drag is armed when the object follows the pointer.
void takeWithLeftButton(const tSurfaceHit& hit)
{
    tObjectPointer& record = objectPointer(*hit.object);
    record.clickX = hit.x;
    record.clickY = hit.y;
    if (hit.turtle) {
        const tLogoTurtleParams& turtle = turtleOf(hit.object);
        record.clickX = hit.x - turtle.position.x;
        record.clickY = hit.y - turtle.position.y;
    }
    record.dragArmed = followsThePointer(*hit.object);
}

void endDrag(tmultiobject* object)
{
    if (tObjectPointer* record = object ? findObjectPointer(*object) : nullptr) record->dragArmed = false;
}

// A paint tool waiting for the mouse on any of the shown surfaces takes every message; the
// selection frame those on it and those of an action it began. Each surface hears the point
// in its own pixels.
bool toolsTake(const tMouseMessage& message)
{
    tlogopage& page = *routing().page;
    const std::vector<tPlacedSurface> surfaces = placedSurfaces(page, page.Screen());
    auto anyTakes = [&](const auto& takes) {
        for (const tPlacedSurface& placed : surfaces)
            if (takes(*placed.surface, tPixel{message.x - placed.left, message.y - placed.top})) return true;
        return false;
    };
    switch (message.kind) {
    case tMouseMessage::kPress:
    case tMouseMessage::kDoubleClick:
        return anyTakes([&](tgrScreen& screen, tPixel at) { return paintToolPress(screen, message.button, at, message.keys); }) ||
               anyTakes([&](tgrScreen& screen, tPixel at) { return selectionPress(screen, message.button, at, message.keys); });
    case tMouseMessage::kMove:
        return anyTakes([&](tgrScreen& screen, tPixel at) { return paintToolMove(screen, at, message.buttons, message.keys); }) ||
               anyTakes([&](tgrScreen& screen, tPixel at) { return selectionMove(screen, at, message.buttons); });
    case tMouseMessage::kRelease:
        return anyTakes([&](tgrScreen& screen, tPixel at) { return paintToolRelease(screen, message.button, at, message.keys); }) ||
               anyTakes([&](tgrScreen& screen, tPixel) { return selectionRelease(screen, message.button); });
    }
    return false;
}

// The view shows the shape (a move, a resize, a handle of the selection), or with none again
// the one "setmousecursor" chose.
void showCursor(std::optional<Qt::CursorShape> shape)
{
    if (!routing().view) return;
    if (shape)
        routing().view->setCursor(*shape);
    else if (routing().ownCursor)
        routing().view->setCursor(tPageView::ChosenCursor());
    routing().ownCursor = shape.has_value();
}

// The cursor over the selection frame tells what its handle under the pointer does.
std::optional<Qt::CursorShape> selectionCursorAt(const tMouseMessage& message)
{
    tgrScreen* screen = selectionScreen();
    if (!screen) return std::nullopt;
    tlogopage& page = *routing().page;
    for (const tPlacedSurface& placed : placedSurfaces(page, page.Screen())) {
        if (placed.surface != screen) continue;
        switch (selectionHandleAt({message.x - placed.left, message.y - placed.top})) {
        case 1:
        case 4: return Qt::SizeFDiagCursor;
        case 2:
        case 3: return Qt::SizeBDiagCursor;
        case 5:
        case 7: return Qt::SizeVerCursor;
        case 6:
        case 8: return Qt::SizeHorCursor;
        case 9: return Qt::SizeAllCursor;
        default: return std::nullopt;
        }
    }
    return std::nullopt;
}

// The active tool button acts on an object that accepts tools, instead of its press and click.
bool toolActs(tmultiobject& object)
{
    routing().targets[&object].busy = true;
    tmultiobject* target = &object;
    tMouseRouting* mouse = handled;
    if (!startToolAction(object, {[mouse, target] { withRouting(mouse, [&] { handlerEnded(target); }); }, target})) {
        routing().targets[&object].busy = false;
        return false;
    }
    routing().targets[&object].clickSuppressed = true;
    return true;
}

void press(const tMouseMessage& message, const tSurfaceHit& hit)
{
    if (routing().paneMoving.Active()) return;
    // Any button ends a drag that a program started.
    endDrag(programDrag());
    endProgramDrag();
    tmultiobject& target = *hit.object;
    if (!hit.turtle &&
        routing().paneMoving.Begin(target, message.button, message.keys, {message.x, message.y}, {hit.x, hit.y})) {
        showCursor(routing().paneMoving.Resizing() ? Qt::SizeFDiagCursor : Qt::SizeAllCursor);
        return;
    }
    routing().pressed = &target == routing().page ? nullptr : &target;
    routing().pressedSurface = hit.placed.owner;
    routing().doubleClicked = message.kind == tMouseMessage::kDoubleClick && message.button == 0;
    if (message.button == 0) routing().targets[&target].clickSuppressed = false;
    if (message.button == 0 && !busy(target) && toolActs(target)) return;
    if (routing().doubleClicked) {
        const bool hasDoubleClick = eventHandler(target, eventCode(tEventKey::onDoubleClick)) != nullptr;
        fireUnlessBusy(target, hasDoubleClick ? tEventKey::onDoubleClick : tEventKey::onClick);
        return;
    }
    if (message.button == 0 && !busy(target)) takeWithLeftButton(hit);
    fireUnlessBusy(target, kPressEvents[message.button]);
}

// The pane and the turtle under the pointer become the tracked ones (none without a hit).
void trackUnder(const tSurfaceHit* hit)
{
    tmultiobject* pane = hit && hit->placed.owner != routing().page ? hit->placed.owner : nullptr;
    tmultiobject* turtle = hit && hit->turtle ? hit->object : nullptr;
    // The turtle first leaves, then the pane: the leaves come inside out, the enters outside in.
    if (turtle != routing().trackedTurtle) track(routing().trackedTurtle, nullptr);
    track(routing().trackedPane, pane);
    track(routing().trackedTurtle, turtle);
}

// Turtles and panes moved under the resting pointer: those it is now on or off hear an enter
// or a leave, as if it had moved; nothing else is fired. Not while a button or a drag holds
// the pointer.
void recheck(const tSurfaceHit& hit)
{
    if (routing().pressed || programDrag() || routing().paneMoving.Active()) return;
    trackUnder(&hit);
}

// `heard`: the object under the pointer takes the mouse (it and what it lies on are shown and
// enabled); one that does not hears nothing, and the pointer over it is over nothing.
void move(const tMouseMessage& message, const tSurfaceHit& hit, bool heard)
{
    const QPoint onPage(message.x, message.y);
    if (routing().paneMoving.Active()) {
        routing().paneMoving.Follow(onPage);
        return;
    }
    if (tmultiobject* dragged = programDrag()) {
        moveOn(*dragged, 1, onPage);
        return;
    }
    if (routing().pressed && message.buttons) {
        moveOn(*routing().pressed, message.buttons, onPage);
        return;
    }
    routing().pressed = nullptr;
    // A move with a button held that began on the page stays the page's.
    const bool free = message.buttons == 0;
    trackUnder(free && heard ? &hit : nullptr);
    tmultiobject& target = free ? *hit.object : *routing().page;
    if (takesMouse(target)) moveOn(target, message.buttons, onPage);
}

void release(const tMouseMessage& message, const tSurfaceHit& hit)
{
    if (routing().paneMoving.Active()) {
        routing().paneMoving.End();
        showCursor(std::nullopt);
        return;
    }
    endDrag(programDrag());
    endProgramDrag();
    tmultiobject* pressed = routing().pressed;
    tmultiobject& target = pressed ? *pressed : *routing().page;
    if (!pressed && !takesMouse(target)) return;
    if (message.button == 0) endDrag(&target);
    // The click comes first, so that a release while its handler runs is remembered. A turtle
    // has it when the pointer is still on it, else the page or pane it lies on has it.
    if (message.button == 0 && !routing().doubleClicked) {
        const bool offTheTurtle = pressed && hit.object != pressed && routing().pressedSurface != pressed;
        tmultiobject* clicked = offTheTurtle ? routing().pressedSurface : &target;
        if (clicked && !routing().targets[&target].clickSuppressed) fireUnlessBusy(*clicked, tEventKey::onClick);
    }
    fireRelease(target, message.button);
    if (message.button == 0) routing().doubleClicked = false;
    if (!message.buttons) routing().pressed = nullptr;
}

void handle(const tMouseMessage& message)
{
    if (!routing().page) return;
    if (message.kind == tMouseMessage::kLeave) {
        if (!routing().pressed) trackUnder(nullptr);
        return;
    }
    // Free moves show what a handle of the selection frame under the pointer does; a drag
    // keeps the cursor it began with.
    if (message.kind == tMouseMessage::kMove && !message.buttons && !routing().paneMoving.Active())
        showCursor(selectionCursorAt(message));
    if (message.kind != tMouseMessage::kRecheck && toolsTake(message)) return;
    tlogopage& page = *routing().page;
    const tSurfaceHit hit = hitAt(page, page.Screen(), message.x, message.y);
    const bool heard = takesMouse(*hit.object);
    switch (message.kind) {
    case tMouseMessage::kPress:
    case tMouseMessage::kDoubleClick:
        if (heard) press(message, hit);
        break;
    case tMouseMessage::kMove: move(message, hit, heard); break;
    case tMouseMessage::kRelease: release(message, hit); break;
    case tMouseMessage::kRecheck: recheck(heard ? hit : tSurfaceHit{}); break;
    case tMouseMessage::kLeave: break;
    }
}

}  // namespace

tPageMouse::tPageMouse(tlogopage* page, QWidget* view, tPageKind kind)
    : view_(view), routing_(std::make_unique<tMouseRouting>()), alive_(std::make_shared<char>())
{
    static std::once_flag hooked;
    std::call_once(hooked, [] {
        addDestructionHook(&forgetObject);
        setCursorPlacer([](int32_t x, int32_t y) { QCursor::setPos(x, y); });
    });
    routing_->page = page;
    routing_->view = view;
    {
        std::lock_guard<std::mutex> hold(routingsLock);
        routings.insert(routing_.get());
    }
    if (kind == tPageKind::kShownPage) setMainSurface(page ? &page->Screen() : nullptr);
}

// Views are replaced or closed on the window thread while the process that asked for it holds
// the interpreter lock, so no handling runs meanwhile.
tPageMouse::~tPageMouse()
{
    std::lock_guard<std::mutex> hold(routingsLock);
    routings.erase(routing_.get());
}

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

    last_ = message;
    inside_ = true;
    Queue(message);
}

void tPageMouse::Recheck()
{
    if (!inside_ || last_.buttons) return;
    tMouseMessage message = last_;
    message.kind = tMouseMessage::kRecheck;
    Queue(message);
}

void tPageMouse::Leave()
{
    inside_ = false;
    tMouseMessage message = last_;
    message.kind = tMouseMessage::kLeave;
    Queue(message);
}

// Moves (and rechecks) that follow each other are merged into the last.
void tPageMouse::Queue(const tMouseMessage& message)
{
    const bool merges = message.kind == tMouseMessage::kMove || message.kind == tMouseMessage::kRecheck;
    if (merges && !queued_.empty() && queued_.back().kind == message.kind)
        queued_.back() = message;
    else
        queued_.push_back(message);
    if (!handingOver_) HandOver();
}

void tPageMouse::HandOver()
{
    handingOver_ = true;
    std::weak_ptr<char> alive = alive_;
    if (runUnderInterpreter("@mouse", [this, alive] {
            if (!alive.expired()) HandleQueued();
        }))
        return;
    // The program is closing: the messages are dropped.
    queued_.clear();
    handingOver_ = false;
}

void tPageMouse::HandleQueued()
{
    withRouting(routing_.get(), [this] {
        while (!queued_.empty()) {
            const tMouseMessage message = queued_.front();
            queued_.pop_front();
            handle(message);
        }
    });
    handingOver_ = false;
}
