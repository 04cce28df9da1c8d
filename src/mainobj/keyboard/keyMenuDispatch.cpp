#include "mainobj/keyboard/keyMenuDispatch.h"

#include <optional>
#include <vector>

#include "mainobj/keyboard/tKeyboardState.h"
#include "objects/tControlObject.h"
#include "processes/tInterpreterLock.h"
#include "processes/tLogoprocess.h"

namespace {

tKeyMenuWindow& menuWindow()
{
    static tKeyMenuWindow* window = new tKeyMenuWindow;
    return *window;
}

bool shown(tmultiobject* object)
{
    const tKeyMenuWindow& window = menuWindow();
    tmultiobject* page = window.shownPage ? window.shownPage() : nullptr;
    for (tmultiobject* at = object; at;) {
        if (at->IsPage()) return at == page;
        if (at == window.window) return true;
        auto* control = dynamic_cast<tControlObject*>(at);
        at = control ? control->owner : nullptr;
    }
    return false;
}

struct tMenuRun {
    tLogoRef<tmultiobject> object;
    tLogoRef<tLogoList> code;
};

// The entries a stroke uses: each shown object's first matching entry. Under the key lock.
std::vector<tMenuRun> usedEntries(const tKeyMenuTable& table, const tKeyStroke& stroke)
{
    std::vector<tMenuRun> runs;
    tmultiobject* lastUsed = nullptr;
    for (const tKeyMenuTable::tEntry& entry : table.Entries()) {
        if (!keyPatternMatches(entry.pattern, stroke) || entry.object == lastUsed || !shown(entry.object)) continue;
        lastUsed = entry.object;
        if (entry.list) runs.push_back({tLogoRef<tmultiobject>(entry.object), entry.list});
    }
    return runs;
}

void dispatch(std::optional<tKeyStroke> stroke, int endedRuns);

void startMenuRun(tMenuRun& run)
{
    const tKeyMenuWindow& window = menuWindow();
    tProcessStart start;
    start.name = "@" + run.object->name + "keymenu";
    start.kind = ipKeyMenu;
    start.code = tLogoRef<tlogoobject>(run.code.get());
    start.startObject = tLogoRef<tlogoobject>(run.object.get());
    if (window.receivers) start.receivers = tLogoRef<tlogoobject>(window.receivers());
    if (window.privateTable) start.privateTable = window.privateTable();
    start.openFrame = true;
    // No data: destroying the object stops the process, and its end must still be counted.
    start.completion = {[] { dispatch(std::nullopt, 1); }, nullptr};
    try {
        tLogoprocess::Start<tLogoprocess>(std::move(start));
    } catch (...) {
        dispatch(std::nullopt, 1);
    }
}

// Runs under the interpreter lock. `endedRuns` key-menu runs (or a dispatch hand-over) have
// ended; then the stroke, if any, is dispatched, and while nothing runs the held-back
// strokes are replayed, oldest first, until one starts something.
void dispatch(std::optional<tKeyStroke> stroke, int endedRuns)
{
    tKeyboardState& keyboard = keyboardState();
    std::vector<tMenuRun> runs;
    {
        std::lock_guard<std::mutex> hold(keyboard.keyLock);
        keyboard.keyMenuBusy -= endedRuns;
        for (;; stroke.reset()) {
            if (!stroke) {
                // Replaying one stroke while others still run would put it behind later ones.
                if (keyboard.keyMenuBusy > 0) break;
                stroke = keyboard.deferredKeys.TakeOldest();
                if (!stroke) break;
            }
            // A stroke that no longer matches is dropped; the next one waiting is not held up.
            if (!keyboard.table.AnyMatches(*stroke)) continue;
            if (keyboard.keyMenuBusy > 0) {
                keyboard.deferredKeys.Append(*stroke);
                break;
            }
            keyboard.lastKey = *stroke;
            runs = usedEntries(keyboard.table, *stroke);
            keyboard.keyMenuBusy += static_cast<int>(runs.size());
            if (!runs.empty()) break;
        }
    }
    for (tMenuRun& run : runs) startMenuRun(run);
}

// The window thread may not touch Logo values: a process without code takes the interpreter
// lock for it, and the dispatch runs as that process's completion routine, which the window
// thread runs while the process still holds the lock. The hand-over counts as running, so
// strokes that follow wait behind it.
void handOverDispatch(const tKeyStroke& stroke)
{
    tProcessStart start;
    start.name = "@keymenu";
    start.kind = ipKeyMenu;
    start.completion = {[stroke] { dispatch(stroke, 1); }, nullptr};
    try {
        tLogoprocess::Start<tLogoprocess>(std::move(start));
    } catch (...) {
        tKeyboardState& keyboard = keyboardState();
        std::lock_guard<std::mutex> hold(keyboard.keyLock);
        --keyboard.keyMenuBusy;
    }
}

}  // namespace

void setKeyMenuWindow(tKeyMenuWindow window) { menuWindow() = std::move(window); }

void offerKeyStroke(const tKeyStroke& stroke)
{
    tKeyboardState& keyboard = keyboardState();
    if (keyboard.acceptKeyMenu.load()) {
        if (tInterpreterLock::Instance().HeldByCaller()) {
            dispatch(stroke, 0);
        } else {
            bool handOver = false;
            {
                std::lock_guard<std::mutex> hold(keyboard.keyLock);
                if (keyboard.table.AnyMatches(stroke)) {
                    if (keyboard.keyMenuBusy > 0) {
                        keyboard.deferredKeys.Append(stroke);
                    } else {
                        ++keyboard.keyMenuBusy;
                        handOver = true;
                    }
                }
            }
            if (handOver) handOverDispatch(stroke);
        }
    }
    keyboard.Collect(stroke);
}
