#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "interpreter/tProcessContext.h"
#include "values/eLogoException.h"
#include "values/tLogoTab.h"
#include "values/tLogoVarTab.h"
#include "values/tlogoobject.h"

// A minimal world for evaluator tests: one object whose procedure table holds a handful of
// test-only primitives (print into a string, make, repeat, if, ifelse, output, stop, a few
// operators and list operations, catch and throw, and "compileas" to recompile a list), a global variable table, and a process context installed
// on the calling thread. The real primitive set comes with the main object.
class tTestObject : public tlogoobject {
public:
    tTestObject();
    ~tTestObject() override;
    tlogoobject* Clone() override { return this; }
    // Procedures are found in the own table, then in the parent's (level 0, 1 ...).
    tProcDesc* LookupMethod(uint32_t code, int& level) override;
    tProcDesc* FindNextMethod(int& level, uint32_t code) override;
    tTestObject* parent = nullptr;
};

class tLogoTestWorld {
public:
    tLogoTestWorld();
    ~tLogoTestWorld();

    // Runs a line as the command line does; returns what "print" printed.
    std::string Run(std::string_view text);
    // Runs the line and returns the error it ended with (fails the test when there was none).
    eLogoException ErrorOf(std::string_view text);
    void Define(std::string_view text);
    tlogoobject* Global(std::string_view name);

    tTestObject main;
    tLogoGlobalVarTab globals;
    std::unique_ptr<tProcessContext> context;
    std::string printed;

private:
    std::unique_ptr<tContextScope> scope_;
};

// Start-up of the value layer and the evaluator, once per test program.
void startLogoForTests();

// Runs the body on a thread with the large stack of a Logo process, and waits for it.
void runOnProcessStack(const std::function<void()>& body);
