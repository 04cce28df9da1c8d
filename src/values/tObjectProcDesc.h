#pragma once

#include <cstdint>

#include "values/tProcDesc.h"

// Receiver-dispatching descriptors: one of the inputs is the receiver, whose method of the same
// name is found (FindMethod) and called through its method entry with the other inputs.

// The receiver is the first input; it stays on the stack during the call and is removed from
// under the result afterwards.
class tObjectProc1Desc : public tProcDesc {
public:
    tObjectProc1Desc(uint32_t code, uint8_t binding, int32_t inputs, bool variable = false);
    void Execute(tLogoStack& stack, int n) override;

private:
    // Every call entry comes straight here, without the virtual Execute.
    static void Entry(void* self, tLogoStack& stack, int n);
};

// The receiver is the last input: popped first and held during the call.
class tObjectProcEndDesc : public tProcDesc {
public:
    tObjectProcEndDesc(uint32_t code, uint8_t binding, int32_t inputs, bool variable = false);
    void Execute(tLogoStack& stack, int n) override;

private:
    static void Entry(void* self, tLogoStack& stack, int n);
};

// The receiver is the input `depth` below the top: held, taken out of the stack, then called.
class tObjectProcNDesc : public tProcDesc {
public:
    tObjectProcNDesc(uint32_t code, uint8_t binding, int32_t inputs, int32_t depth);
    void Execute(tLogoStack& stack, int n) override;

    int32_t depth;
};
