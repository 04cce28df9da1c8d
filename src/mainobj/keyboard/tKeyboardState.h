#pragma once

#include <atomic>
#include <mutex>
#include <optional>

#include "mainobj/keyboard/tKeyMenuTable.h"
#include "mainobj/keyboard/tKeyStroke.h"
#include "mainobj/keyboard/tStrokeQueue.h"
#include "processes/tSyncEvent.h"

// The keyboard state of the main window: the strokes waiting for the reading primitives, the
// strokes held back while key-menu processes run, the last key and the key-menu table.
//
// Strokes are made on the window thread and read by processes, so one short lock, the key
// lock, guards the queues, the table and the count of running key-menu processes. It is
// taken with or without the interpreter lock and never held while Logo code runs or a
// process starts.
class tKeyboardState {
public:
    // Queues a press for the reading primitives while presses are collected.
    void Collect(const tKeyStroke& stroke);
    bool HasKey();
    // The oldest waiting stroke, which becomes the last key; none when nothing waits.
    std::optional<tKeyStroke> TakeKey();
    // Waits for a stroke and takes it. A process gives up the interpreter lock while it waits,
    // stays while it is paused, and ends (eTerminateException) when it is asked to stop.
    tKeyStroke WaitForKey();
    // "readkey 0": when strokes wait, empties both queues; otherwise nothing happens.
    void Flush();
    tKeyStroke LastKey();

    // Back to the state a new main window starts with: nothing waiting, no key menus, the
    // last key all zero, collecting and key menus on.
    void Reset();

    // Ctrl+Break switches collecting off for good; key menus go on working.
    void StopCollecting() { collectKeys.store(false); }
    bool Collecting() const { return collectKeys.load(); }

    // The main window's property "acceptKeyMenu".
    std::atomic<bool> acceptKeyMenu{true};
    // Set by a dead key of the layout: the next press only completes it.
    bool deadKey = false;

    std::mutex keyLock;
    // Under the key lock.
    tStrokeQueue keyQueue;
    tStrokeQueue deferredKeys;
    tKeyStroke lastKey;
    tKeyMenuTable table;
    int keyMenuBusy = 0;

private:
    std::atomic<bool> collectKeys{true};
    // Set while keyQueue holds strokes, so that waiting readers wake when one arrives.
    tSyncEvent keyQueued{tSyncEvent::kManualReset, false};
};

// The one keyboard state, made on first use.
tKeyboardState& keyboardState();
