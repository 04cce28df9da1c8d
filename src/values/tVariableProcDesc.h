#pragma once

#include <cstdint>

#include "values/tProcDesc.h"

// Getter and setter of an object variable: the name reads it, the setter name assigns it.
// The running counter stops a getter or setter from being used while it runs.
class tGetFunc : public tProcDesc {
public:
    explicit tGetFunc(uint32_t code, uint32_t variableCode);
    void Execute(tLogoStack& stack, int n) override;
    bool IsAvailable(bool checkRunning) override;

    uint32_t variableCode;
};

class tSetFunc : public tProcDesc {
public:
    explicit tSetFunc(uint32_t code, uint32_t variableCode);
    void Execute(tLogoStack& stack, int n) override;
    bool IsAvailable(bool checkRunning) override;

    uint32_t variableCode;
};
