#pragma once

#include <cstdint>

#include "values/tProcDesc.h"

// "output": the evaluator's statement loop handles it inline; run through any entry point it
// moves the top of the stack into the output signal and raises it.
class tOutput : public tProcDesc {
public:
    explicit tOutput(uint32_t code);
    void Execute(tLogoStack& stack, int n) override;
};

// "stop": as tOutput without a value.
class tStop : public tProcDesc {
public:
    explicit tStop(uint32_t code);
    void Execute(tLogoStack& stack, int n) override;
};
