#include "mainobj/keyboard/tKeyboardState.h"

#include "processes/interpreterRelease.h"
#include "processes/tLogoprocess.h"

void tKeyboardState::Collect(const tKeyStroke& stroke)
{
    if (!collectKeys.load() || stroke.release) return;
    std::lock_guard<std::mutex> hold(keyLock);
    keyQueue.Append(stroke);
    keyQueued.Set();
}

bool tKeyboardState::HasKey()
{
    std::lock_guard<std::mutex> hold(keyLock);
    return !keyQueue.Empty();
}

std::optional<tKeyStroke> tKeyboardState::TakeKey()
{
    std::lock_guard<std::mutex> hold(keyLock);
    std::optional<tKeyStroke> stroke = keyQueue.TakeOldest();
    if (stroke) lastKey = *stroke;
    if (keyQueue.Empty()) keyQueued.ResetEvent();
    return stroke;
}

tKeyStroke tKeyboardState::WaitForKey()
{
    for (;;) {
        if (std::optional<tKeyStroke> stroke = TakeKey()) return *stroke;
        tLogoprocess* process = tLogoprocess::Current();
        ReleaseInterpreter(true);
        // Another reader may take the stroke first: the loop then waits again.
        if (process)
            tSyncEvent::WaitForAny({&keyQueued, &process->stopSignal});
        else
            keyQueued.Wait();
        RetakeInterpreter(true);
    }
}

void tKeyboardState::Flush()
{
    std::lock_guard<std::mutex> hold(keyLock);
    if (keyQueue.Empty()) return;
    keyQueue.Clear();
    deferredKeys.Clear();
    keyQueued.ResetEvent();
}

tKeyStroke tKeyboardState::LastKey()
{
    std::lock_guard<std::mutex> hold(keyLock);
    return lastKey;
}

void tKeyboardState::Reset()
{
    std::lock_guard<std::mutex> hold(keyLock);
    keyQueue.Clear();
    deferredKeys.Clear();
    lastKey = {};
    table = {};
    keyMenuBusy = 0;
    keyQueued.ResetEvent();
    collectKeys.store(true);
    acceptKeyMenu.store(true);
    deadKey = false;
}

tKeyboardState& keyboardState()
{
    // Never destroyed: process threads may still read keys while the program exits.
    static tKeyboardState* state = new tKeyboardState;
    return *state;
}
