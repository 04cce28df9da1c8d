#pragma once

#include "ScriptedProcess.h"

#include "values/tLogoTab.h"
#include "values/tLogoVarTab.h"
#include "values/tlogoobject.h"

#include <string>
#include <string_view>
#include <vector>

// The main object of process tests: its table holds the real process primitives and a few
// test-only ones (print into a shared transcript, make, repeat, wait), and the processes run
// real Logo code through the evaluator.
class tProcessWorldObject : public tlogoobject {
public:
    tProcessWorldObject();
    ~tProcessWorldObject() override;
    tlogoobject* Clone() override { return this; }
    tProcDesc* LookupMethod(uint32_t code, int& level) override;
};

class tLogoProcessWorld {
public:
    tLogoProcessWorld();
    ~tLogoProcessWorld();

    // Runs the text in a process of its own (as a typed line is) and waits until it ends.
    void Run(std::string_view text);
    // Starts the text in a process without waiting.
    std::shared_ptr<tLogoprocess> Launch(std::string_view text, std::string name = "runner");
    void Define(std::string_view text);

    std::string Printed();
    // The error keys shown through the commander so far, in order.
    std::vector<int> ErrorKeys();
    tlogoobject* Global(std::string_view name);
    int GlobalInteger(std::string_view name);

    tProcessWorldObject main;
    tLogoGlobalVarTab globals;
    std::shared_ptr<tRecordingCommander> commander = std::make_shared<tRecordingCommander>();
};
