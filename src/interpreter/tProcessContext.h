#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "values/tLogoRef.h"
#include "values/tLogoStack.h"

class tLogoLocaltab;
class tLogoTab;
class tLogoVarTab;
class tProcDesc;

// A tail call requested at the end of a procedure body, carried out by the caller's trampoline.
struct tPendingCall {
    tProcDesc* descriptor = nullptr;
    tlogoobject* object = nullptr;
    int level = 0;
    int inputs = 0;
    // Set for "output name ..." closing a body: the call's value is the body's output.
    uint8_t wantsValue = 0;
};

// One saved addressing context of "ask", "tell" and qualified calls.
struct tAskFrame {
    tlogoobject* currentObject;
    tLogoTab* privateTable;
    tLogoRef<tlogoobject> receivers;
};

// What `catch "error` recorded for the "error" primitive.
struct tCaughtError {
    bool caught = false;
    int key = 0;  // 0 for an exception that is not a Logo error
    std::string message;
    std::string needingProcedure;
    tLogoRef<tlogoobject> culprit;
    uint32_t culpritName = 0;
};

// The per-thread record of a running Logo process: its stack, its local variables and the
// state the evaluator and the control primitives share.
class tProcessContext {
public:
    static constexpr int kNestingLimit = 10000;
    static constexpr size_t kAskLimit = 1000;

    // globals: the table where names that no procedure has bound live. With frameOpen the local
    // table starts with one frame, so top-level "local" works (code started by controls).
    tProcessContext(tLogoVarTab* globals, tlogoobject* currentObject, bool frameOpen = false);
    ~tProcessContext();
    tProcessContext(const tProcessContext&) = delete;
    tProcessContext& operator=(const tProcessContext&) = delete;

    // Saves the addressing context; with an object, makes it the current one.
    void PushAsk();
    void PushAskInto(tlogoobject* object);
    void PopAsk();

    tLogoStack stack;
    std::unique_ptr<tLogoLocaltab> localTable;
    tLogoRef<tlogoobject> outputValue;
    uint8_t exitRequested = 0;
    uint8_t testState = 2;
    int32_t loopCounter = 0;
    tlogoobject* currentObject;
    tLogoTab* privateTable = nullptr;
    tLogoRef<tlogoobject> receivers;
    std::vector<tAskFrame> askStack;
    int procLevel = 0;
    int foundLevel = 0;
    void* process = nullptr;
    // Starts at 1 so that a call at the end of a top-level list runs at once: only procedure
    // bodies (which start at 0) leave tail calls for a trampoline.
    int runDepth = 1;
    // User procedure bodies running in this process; an inline "output" met while there is none
    // has no procedure to end.
    int procedureDepth = 0;
    tPendingCall pendingCall;
    uint8_t savedTestState = 2;
    uint8_t markActivity = 0;
    int nesting = 0;
    std::vector<std::string> catchTags;  // lower-cased, innermost last
    // The object this process created last (not counted: destroying it clears the field).
    tlogoobject* lastCreated = nullptr;
    tCaughtError caughtError;
    // For the error travelling outward: the list or word whose run added each entry of its
    // position trail (innermost first, not counted), so that the line finder knows which of
    // several input lists ran. Compared only, never read.
    std::vector<const tlogoobject*> trailSources;

    // Records the source of the trail entry just added, the trail now being `depth` long.
    void NoteTrailSource(size_t depth, const tlogoobject* source)
    {
        trailSources.resize(depth - 1);
        trailSources.push_back(source);
    }
};

// The context of the calling thread; none on threads that run no Logo process.
tProcessContext* currentContext();
// The same, failing erInternExecute on a thread that runs no Logo process.
tProcessContext& requireContext();

// Installs a context for the calling thread for the lifetime of the scope.
class tContextScope {
public:
    explicit tContextScope(tProcessContext& context);
    ~tContextScope();
    tContextScope(const tContextScope&) = delete;
    tContextScope& operator=(const tContextScope&) = delete;

private:
    tProcessContext* previous_;
};

// Called at the start of every instruction-list run: the process layer releases and retakes
// the interpreter lock there, blocks a paused process and ends a stopped one. Until it is set,
// runs do not interleave.
using RunInterleaveHook = void (*)(tProcessContext& context);
void setRunInterleaveHook(RunInterleaveHook hook);
RunInterleaveHook runInterleaveHook();

// Whether the calling thread holds the interpreter lock; checked on entry to every run in
// builds with assertions. Until the process layer sets it, every caller counts as holding it.
void setLockHeldCheck(bool (*check)());
bool lockHeldByCaller();

// Raised when a run starts while markActivity is set; the process layer watches it.
void setActivityFlagHook(void (*hook)());
void raiseActivityFlag();
