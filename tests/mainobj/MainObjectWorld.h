#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "interpreter/tProcessContext.h"
#include "processes/tInterpreterLock.h"
#include "values/errorConst.h"

class tControlObject;

// The real main object with its primitives, and a process context on the calling thread that
// addresses it. What "print" writes is collected for the test.
class tMainObjectWorld {
public:
    tMainObjectWorld();
    ~tMainObjectWorld();

    // Runs the lines; returns what was printed, with plain line feeds.
    std::string Run(std::string_view text);
    // The name of the error key the lines end with ("none" when they end without one).
    std::string ErrorOf(std::string_view text);
    // A new object registered in the main object: a class inheriting from `parent` (the main
    // object when none), or an instance of it.
    tControlObject* Make(std::string_view name, tControlObject* parent = nullptr, bool instance = false);

    std::unique_ptr<tProcessContext> context;
    std::string printed;

private:
    tInterpreterLock::Holder lock_;
    std::vector<uint32_t> mainVariables_;
    std::vector<uint32_t> mainProcedures_;
    std::unique_ptr<tContextScope> scope_;
};
