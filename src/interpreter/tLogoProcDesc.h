#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "values/tProcDesc.h"

class tProcessContext;

// A user-defined procedure: a body of instruction lines and input names bound as locals under
// dynamic scope while the body runs.
class tLogoProcDesc : public tProcDesc {
public:
    tLogoProcDesc(uint32_t code, int32_t inputs, bool variable, std::vector<uint32_t> inputNames, tlogoobject* body,
                  std::string sourceText);
    ~tLogoProcDesc() override;

    std::string DefinitionText() override;
    bool IsAvailable(bool checkRunning) override { return !(checkRunning && running > 0); }
    void Execute(tLogoStack& stack, int n) override { Run(stack, n, false); }
    // The definition list [[inputs] line1 line2 ...] ("define" takes it back).
    tlogoobject* Body() override;

    std::string sourceText;      // empty when defined from a list
    tlogoobject* body;           // counted: the list of lines, or a word
    std::vector<uint32_t> inputNames;
    uint8_t directCall = 0;
    // The body is an "apply"-like template whose "%" words name the inputs.
    uint8_t templateBody = 0;

protected:
    // Binds the n inputs on the stack: into a new frame, or into the frame a tail-call chain
    // keeps open.
    virtual void BindInputs(tProcessContext& context, int n, bool tail) = 0;

private:
    void Run(tLogoStack& stack, int n, bool tail);
    void RecordErrorContext(class eLogoException& error);
    static void TailEntry(void* self, tLogoStack& stack, int n);
    static void DirectCommandEntry(void* self, tLogoStack& stack, int n);
    static void DirectOperationEntry(void* self, tLogoStack& stack, int n);
};

// A fixed number of inputs, one per name.
class tLogoProcDescF : public tLogoProcDesc {
public:
    tLogoProcDescF(uint32_t code, std::vector<uint32_t> inputNames, tlogoobject* body, std::string sourceText);

protected:
    void BindInputs(tProcessContext& context, int n, bool tail) override;
};

// A rest input: one name bound to the list of all inputs; `inputs` is the default count taken
// outside parentheses.
class tLogoProcDescV : public tLogoProcDesc {
public:
    tLogoProcDescV(uint32_t code, uint32_t inputName, int32_t defaultCount, tlogoobject* body, std::string sourceText);

protected:
    void BindInputs(tProcessContext& context, int n, bool tail) override;
};
