#include "turtle/pointerState.h"

#include <map>
#include <mutex>

#include "objects/destructionHooks.h"
#include "processes/tWindowThread.h"
#include "turtle/tgrScreen.h"

namespace {

std::mutex pointerLock;
tPointerState pointer;
tCursorPlacer placer;
tgrScreen* shownSurface = nullptr;  // kept alive by the window while it shows it

// Under the interpreter lock.
std::map<tmultiobject*, tObjectPointer> records;
tmultiobject* draggedByProgram = nullptr;

void forgetObject(tmultiobject& object)
{
    records.erase(&object);
    if (draggedByProgram == &object) draggedByProgram = nullptr;
}

void hookDestruction()
{
    static std::once_flag hooked;
    std::call_once(hooked, [] { addDestructionHook(&forgetObject); });
}

}  // namespace

tPointerState pointerState()
{
    std::lock_guard<std::mutex> hold(pointerLock);
    return pointer;
}

void reportPointer(const tPointerState& state)
{
    std::lock_guard<std::mutex> hold(pointerLock);
    pointer = state;
    pointer.seen = true;
}

namespace {

// Adds to (left, top) the corner of `wanted` within `on`, the surfaces lying between them
// included; false when it does not lie there.
bool cornerWithin(tgrScreen& on, const tgrScreen& wanted, int64_t& left, int64_t& top)
{
    if (&on == &wanted) return true;
    for (const tLogoRef<tgrScreen>& child : on.Children()) {
        int64_t childLeft = left + child->Left(), childTop = top + child->Top();
        if (!cornerWithin(*child, wanted, childLeft, childTop)) continue;
        left = childLeft;
        top = childTop;
        return true;
    }
    return false;
}

}  // namespace

tRealPoint pointerOnSurface(const tgrScreen& screen)
{
    const tPointerState state = pointerState();
    if (!state.seen) return {static_cast<long double>(screen.originX), static_cast<long double>(screen.originY)};
    // The window reports the pointer on the page it shows; a pane lying on it sees it from its
    // own corner.
    const tRealPoint corner = cornerOnShownPage(screen);
    return {state.x - corner.x, state.y - corner.y};
}

tRealPoint cornerOnShownPage(const tgrScreen& screen)
{
    int64_t left = 0, top = 0;
    if (tgrScreen* shown = mainSurface(); !shown || !cornerWithin(*shown, screen, left, top)) return {0, 0};
    return {static_cast<long double>(left), static_cast<long double>(top)};
}

void setCursorPlacer(tCursorPlacer cursorPlacer)
{
    std::lock_guard<std::mutex> hold(pointerLock);
    placer = std::move(cursorPlacer);
}

bool pointerHasWindow()
{
    std::lock_guard<std::mutex> hold(pointerLock);
    return static_cast<bool>(placer);
}

void placePointer(int32_t x, int32_t y)
{
    tCursorPlacer place;
    int32_t desktopX = 0, desktopY = 0;
    {
        std::lock_guard<std::mutex> hold(pointerLock);
        pointer.seen = true;
        pointer.x = x;
        pointer.y = y;
        desktopX = pointer.surfaceLeft + x;
        desktopY = pointer.surfaceTop + y;
        place = placer;
    }
    if (!place) return;
    // Posted, not waited for: the cursor follows as soon as the window thread gets to it.
    if (tWindowThread* window = windowThread(); window && !window->IsCurrent())
        window->Post([place, desktopX, desktopY] { place(desktopX, desktopY); });
    else
        place(desktopX, desktopY);
}

void setMainSurface(tgrScreen* screen)
{
    std::lock_guard<std::mutex> hold(pointerLock);
    shownSurface = screen;
}

tgrScreen* mainSurface()
{
    std::lock_guard<std::mutex> hold(pointerLock);
    return shownSurface;
}

tObjectPointer& objectPointer(tmultiobject& object)
{
    hookDestruction();
    return records[&object];
}

tObjectPointer* findObjectPointer(tmultiobject& object)
{
    auto found = records.find(&object);
    return found == records.end() ? nullptr : &found->second;
}

void startProgramDrag(tmultiobject& object)
{
    hookDestruction();
    draggedByProgram = &object;
}

tmultiobject* programDrag() { return draggedByProgram; }

void endProgramDrag() { draggedByProgram = nullptr; }
