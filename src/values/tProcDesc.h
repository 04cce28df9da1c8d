#pragma once

#include <cstdint>

#include "values/tTabDesc.h"

class tLogoStack;
class tlogoobject;

// The calling contract of a command or operation. The evaluator calls it through one of seven
// entry points with the number n of inputs it pushed on the stack; the routine pops them and
// pushes exactly one result (a value, or none for a command).
using EntryRoutine = void (*)(void* data, tLogoStack& stack, int n);
using MethodRoutine = void (*)(void* data, tLogoStack& stack, int n, tlogoobject* receiver);

struct tEntryPoint {
    EntryRoutine routine;
    void* data;
};
struct tMethodEntryPoint {
    MethodRoutine routine;
    void* data;
};

enum tProcSpecial : uint8_t {
    kOrdinaryProc = 0,
    kOutputProc = 1,
    kStopProc = 2,
    kAssignProc = 3,  // "make": the evaluator may grow a list in place for it (Evaluator.cpp)
    kConditionalProc = 4,  // "if": the evaluator runs its list itself (Evaluator.cpp)
};

class tProcDesc : public tTabDesc {
public:
    tProcDesc(uint32_t code, int32_t inputs, uint8_t binding, bool variable = false);

    virtual void Execute(tLogoStack& stack, int n);
    // The instruction list of a user procedure; none for primitives.
    virtual tlogoobject* Body() { return nullptr; }

    // The entry points, as the evaluator and apply-like primitives use them.
    void CallCommand(tLogoStack& stack, int n) { command.routine(command.data, stack, n); }
    void CallOperation(tLogoStack& stack, int n) { operation.routine(operation.data, stack, n); }
    void CallTail(tLogoStack& stack, int n) { tailCall.routine(tailCall.data, stack, n); }
    void CallDirectCommand(tLogoStack& stack, int n) { directCommand.routine(directCommand.data, stack, n); }
    void CallDirectOperation(tLogoStack& stack, int n)
    {
        directOperation.routine(directOperation.data, stack, n);
    }
    void CallMethod(tLogoStack& stack, int n, tlogoobject* receiver)
    {
        method.routine(method.data, stack, n, receiver);
    }
    void CallMethod2(tLogoStack& stack, int n, tlogoobject* receiver)
    {
        method2.routine(method2.data, stack, n, receiver);
    }

    // Points entries 1 to 5 at one routine (object commands route every call the same way).
    void SetCallEntries(EntryRoutine routine, void* data);

    int32_t inputs;
    uint8_t variable;
    // 1: each input is a full expression; 0: inputs stop before a comparison. Value methods
    // keep their operator number (2 to 5) here.
    uint8_t binding;
    uint8_t special = kOrdinaryProc;
    tEntryPoint command;
    tEntryPoint operation;
    tEntryPoint tailCall;
    tEntryPoint directCommand;
    tEntryPoint directOperation;
    tMethodEntryPoint method;
    tMethodEntryPoint method2;
    int32_t running = 0;
    uint8_t tailCallable = 0;

    // The default routines: entries 1 to 5 run Execute, 6 and 7 fail erInternExecute.
    static void ExecuteEntry(void* data, tLogoStack& stack, int n);
    static void UnsupportedMethodEntry(void* data, tLogoStack& stack, int n, tlogoobject* receiver);
};
