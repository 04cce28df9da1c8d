#pragma once

#include "interpreter/tLogoLocaltab.h"
#include "processes/tCommander.h"
#include "processes/tSyncEvent.h"
#include "values/tInprocType.h"
#include "values/tLogoRef.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>

class eLogoException;
class tLogoTab;
class tProcessContext;

// A routine run on the window thread once a process has ended. `data` names what it works
// on, so that destroying that object can cancel the routine first.
struct tCompletion {
    std::function<void()> routine;
    const void* data = nullptr;
};

// The network transfer a process is running, for the transfer primitives to report on.
struct tTransferState {
    std::string direction;
    int64_t expected = 0;
    int64_t moved = 0;
    std::string contentType;  // of the last answer received
};

// What a creator gives a new process.
struct tProcessStart {
    std::string name;
    tInprocType kind = ipLaunch;
    uint32_t trigger = 0;  // the event's name code, for event processes
    tLogoRef<tlogoobject> code;
    tLogoRef<tlogoobject> startObject;
    tLogoRef<tlogoobject> receivers;
    tLogoTab* privateTable = nullptr;
    std::unique_ptr<tLogoLocaltab> localTable;  // none: an empty one
    bool openFrame = false;                     // the empty one lets top-level "local" bind
    std::shared_ptr<tCommander> commander;      // none: the default commander
    tCompletion completion;
};

// A Logo process: its own thread, its own evaluation context, and the interpreter lock
// whenever it runs Logo code. The registry (tallthreads) holds it from creation until its
// thread ends; whoever still holds a pointer to it (a waiter) keeps it alive after that.
//
// Stopping is cooperative: Stop sets the request and wakes the process wherever it waits;
// the process ends at its next yield point (an instruction-list run or a wait) by
// eTerminateException, which GuardedRun swallows.
class tLogoprocess : public std::enable_shared_from_this<tLogoprocess> {
public:
    // Creates a process of class P (constructed from `start` and `extra`), enters it into the
    // registry and starts its thread. The process runs once its thread gets the interpreter lock.
    template <class P, class... Extra>
    static std::shared_ptr<P> Start(tProcessStart start, Extra&&... extra)
    {
        std::shared_ptr<P> process(new P(std::move(start), std::forward<Extra>(extra)...));
        process->Launch();
        return process;
    }

    virtual ~tLogoprocess();
    tLogoprocess(const tLogoprocess&) = delete;
    tLogoprocess& operator=(const tLogoprocess&) = delete;

    // The process whose thread calls; none on other threads.
    static tLogoprocess* Current();

    // One piece of the process's work; the thread repeats it until a stop is requested, and
    // every piece requests the stop when it ends. Here: the code, run once.
    virtual void RunOnce();
    // RunOnce with the handling of what escapes it: termination ends quietly, errors are
    // shown through the commander.
    virtual void GuardedRun();
    // Returns once the process's thread has ended. A process waiting gives up the interpreter
    // lock meanwhile; the window thread keeps serving hand-overs.
    void WaitForEnd();

    // Waits for the end of this process (an event handler) on behalf of the caller: a calling
    // process gives up the lock meanwhile and ends (eTerminateException) when it is stopped
    // itself; another thread waits as WaitForEnd does.
    void AwaitAsHandler();

    virtual void Stop();
    // Stop, then WaitUntilStopped.
    void StopAndWait();
    // A process that serves typed lines outlives the stops meant for the line it runs: a stop
    // ends that line and the process goes on with the next, so the console survives "stopall".
    virtual bool OutlivesStops() const { return false; }
    // Returns once a stop has taken effect: the process has ended or, for one that outlives
    // stops, the line it ran has ended.
    virtual void WaitUntilStopped() { WaitForEnd(); }
    void Pause() { runSignal.ResetEvent(); }
    void Resume() { runSignal.Set(); }

    // The yield point of an instruction-list run: lets waiting processes in, stays here while
    // paused, and ends the process (eTerminateException) when it has been asked to stop.
    void YieldAtListRun();
    // Gives up the interpreter lock for up to `milliseconds` (tSyncEvent::kWaitForever: no
    // limit); a stop request ends the wait and the process.
    void WaitOnStop(uint32_t milliseconds);

    // Cancels the completion routine when it works on `data`; true when it did.
    bool ForgetCompletion(const std::function<bool(const void*)>& worksOn);

    const std::string& Name() const { return name; }
    tInprocType Kind() const { return kind; }
    uint32_t Trigger() const { return trigger; }
    tlogoobject* StartObject() const { return startObject.get(); }
    // The object the process addresses now; read under the interpreter lock.
    tlogoobject* CurrentObject() const;
    // The running context, published so that destroying an object can clear what refers to
    // it; none before the process runs and after it ended. Used under the interpreter lock.
    tProcessContext* Context() const { return context; }
    const std::shared_ptr<tCommander>& SharedCommander() const { return commander; }
    bool StopRequested() const { return stopRequested.load(std::memory_order_acquire); }
    bool Running() const { return running.load(std::memory_order_acquire); }
    bool Finished() const { return finished.load(std::memory_order_acquire); }
    bool Paused() const { return !runSignal.IsSet(); }
    // The window start-up process runs on behalf of its start object, the window.
    virtual bool IsAssociated() const { return false; }
    // Lets go of the Logo values a kind keeps; called under the interpreter lock when the
    // process ends, because the last holder of a process may drop it on any thread.
    virtual void ReleaseLogoValues() {}

    // Raised when an object the process runs in is destroyed while the process itself is the
    // one destroying it; it ends once the destruction is complete.
    std::atomic<bool> ownObjectDestroyed{false};

    // Under the interpreter lock, by the process itself.
    tTransferState transfer;

    tSyncEvent stopSignal{tSyncEvent::kManualReset, false};
    tSyncEvent stoppedSignal{tSyncEvent::kManualReset, false};
    tSyncEvent runSignal{tSyncEvent::kManualReset, true};
    // Set as the very last act of the thread: the end a waiter waits for.
    tSyncEvent endedSignal{tSyncEvent::kManualReset, false};

protected:
    explicit tLogoprocess(tProcessStart start);

    // Runs the code as a top-level instruction list: a call at its end just runs, a "stop"
    // there ends the run, an "output" there fails.
    void RunCode();

    // Marks the work as done: the thread ends after the current piece.
    void RequestStop() { stopRequested.store(true, std::memory_order_release); }
    // Takes back a stop that has taken effect, for a process that outlives stops.
    void ForgetStop();
    // Waits as WaitForEnd does, for `event` instead of the end.
    void WaitFor(tSyncEvent& event);

    const std::string name;
    const tInprocType kind;
    const uint32_t trigger;
    tLogoRef<tlogoobject> code;
    tLogoRef<tlogoobject> startObject;
    tLogoRef<tlogoobject> receivers;
    tLogoTab* const privateTable;
    const std::shared_ptr<tCommander> commander;
    // Taken at creation: processes started during start-up do not mark activity.
    const bool inStartup;
    const bool openFrame;

private:
    void Launch();
    void Execute();
    void Work();
    void NameTheProcessIn(eLogoException& error) const;
    void Report(const std::exception& error);
    void RunCompletion();

    std::unique_ptr<tLogoLocaltab> startLocals;
    tProcessContext* context = nullptr;
    std::mutex completionGuard;
    tCompletion completion;
    std::atomic<bool> stopRequested{false};
    std::atomic<bool> running{false};
    std::atomic<bool> finished{false};
};

// Run on every process's thread when its work is over, whatever ended it, before it counts as
// finished: the subsystems that hand resources to processes (MIDI channels, FTP connections)
// take them back here. Registered once at start-up.
using tProcessEndHook = void (*)(tLogoprocess& process);
void addProcessEndHook(tProcessEndHook hook);
