#pragma once

#include <functional>

class tSyncEvent;

// The thread that owns the user interface. Processes never touch the interface themselves:
// they hand work to this thread, and the routines that run after a process has ended run
// here too. The windowed program implements it over Qt's main thread (platform/); this layer
// knows only this interface, so that it stays free of Qt. tQueuedWindowThread is the plain
// implementation for the console and for tests.
class tWindowThread {
public:
    virtual ~tWindowThread() = default;

    // True on the window thread itself.
    virtual bool IsCurrent() const = 0;

    // Queues `routine` to run on the window thread later; returns at once.
    virtual void Post(std::function<void()> routine) = 0;

    // Runs `routine` on the window thread and returns when it has run; an exception it throws
    // is thrown again here. Called on any thread but the window thread. Built on Post.
    virtual void RunAndWait(std::function<void()> routine);

    // On the window thread: waits until `event` is signalled while still running the routines
    // handed to it, so that a process being waited for can finish its hand-overs.
    virtual void WaitServing(tSyncEvent& event) = 0;
};

// The window thread in use; none until the program or a test installs one.
void installWindowThread(tWindowThread* windowThread);
tWindowThread* windowThread();

// True on the window thread, and on every thread while none is installed.
bool onWindowThread();

// Runs `routine` on the window thread and waits for it; directly when the caller is the window
// thread or none is installed. By default the caller keeps the interpreter lock, so the routine
// may read Logo values on its behalf. A routine that can lead to Logo code waiting for other
// processes (closing the window) must be handed over with kReleaseInterpreter.
enum class tHandOver { kKeepInterpreter, kReleaseInterpreter };
void RunOnWindowThread(const std::function<void()>& routine, tHandOver mode = tHandOver::kKeepInterpreter);
