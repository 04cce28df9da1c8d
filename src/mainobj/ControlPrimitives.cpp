#include "mainobj/mainPrimitives.h"

#include "interpreter/Evaluator.h"
#include "interpreter/ValueForEach.h"
#include "interpreter/tCompiledForm.h"
#include "interpreter/tLogoLocaltab.h"
#include "interpreter/tProcessContext.h"
#include "language/Language.h"
#include "mainobj/primitiveTable.h"
#include "mainobj/tPrimitiveCall.h"
#include "processes/processPrimitives.h"
#include "values/eLogoException.h"
#include "values/registration.h"
#include "values/tLogoList.h"
#include "values/tLogoReal.h"
#include "values/tSpecialProcDesc.h"
#include "values/tLogoInt.h"
#include "values/valuePools.h"

// Conditionals, loops, the test register and waiting. "output" and "stop" inside a run list end
// the enclosing procedure through the context's exit flag, which every loop checks after a pass.

namespace {

tProcessContext& context() { return *currentContext(); }

// Loops nest: the outer "repcount" must be intact after an inner loop, however it ended.
class tLoopCounterScope {
public:
    tLoopCounterScope() : saved_(context().loopCounter) { context().loopCounter = 0; }
    ~tLoopCounterScope() { context().loopCounter = saved_; }
    tLoopCounterScope(const tLoopCounterScope&) = delete;
    tLoopCounterScope& operator=(const tLoopCounterScope&) = delete;

private:
    int32_t saved_;
};

bool exitRequested() { return context().exitRequested != 0; }

tlogoobject* evaluated(tlogoobject* instructions)
{
    tLogoRef<tlogoobject> held(instructions);
    tLogoRef<tlogoobject> value = EvaluateList(CompiledForm(instructions, tCompiledForm::kInstructions));
    return handOver(value);
}

// The operation form evaluates and outputs, the command form runs.
tlogoobject* runOrEvaluate(tPrimitiveCall& call, tlogoobject* instructions)
{
    if (call.asOperation) return evaluated(instructions);
    RunInstructions(instructions);
    return nullptr;
}

tlogoobject* repeat(tPrimitiveCall& call)
{
    int32_t times = call.integer(0);
    tLoopCounterScope counter;
    if (times < 1) return nullptr;
    // Compiled once for all the passes (the list cannot change; the form is held so that a
    // recompilation meanwhile does not free it under the loop).
    tCompiledForm& form = CompiledForm(call[1], tCompiledForm::kInstructions);
    tFormHold hold(form);
    tProcessContext& running = context();
    for (int32_t i = 1; i <= times; ++i) {
        running.loopCounter = i;
        RunList(form);
        if (running.exitRequested) break;
    }
    return nullptr;
}

tlogoobject* repcount(tPrimitiveCall&)
{
    if (context().loopCounter == 0) throw eLogoException(erWrongPlaceRepc);
    return NewInteger(context().loopCounter);
}

tlogoobject* if_(tPrimitiveCall& call)
{
    if (call.boolean(0)) RunInstructions(call[1]);
    return nullptr;
}

tlogoobject* ifelse(tPrimitiveCall& call) { return runOrEvaluate(call, call.boolean(0) ? call[1] : call[2]); }

tlogoobject* run(tPrimitiveCall& call) { return runOrEvaluate(call, call[0]); }

tlogoobject* while_(tPrimitiveCall& call)
{
    tLoopCounterScope counter;
    while (true) {
        ++context().loopCounter;
        tLogoRef<tlogoobject> condition(evaluated(call[0]));
        if (!condition) throw eLogoException(erDidNotReport, call[0]);
        if (!condition->AsBoolean()) break;
        RunInstructions(call[1]);
        if (exitRequested()) break;
    }
    return nullptr;
}

tlogoobject* loop(tPrimitiveCall& call)
{
    tLoopCounterScope counter;
    do {
        ++context().loopCounter;
        RunInstructions(call[0]);
    } while (!exitRequested());
    return nullptr;
}

tlogoobject* waituntil(tPrimitiveCall& call)
{
    while (!EvaluateCondition(call[0])) {}
    return nullptr;
}

// The loop variable's value and the binding that names it: its holders while nothing else keeps it.
constexpr int32_t kLoopHolders = 2;

// The loop variable: a local of the current frame for the length of the loop.
class tLoopVariable {
public:
    tLoopVariable(uint32_t name, tLogoReal* value) : name_(name)
    {
        context().localTable->AddLocal(name, value);
    }
    ~tLoopVariable() { context().localTable->RemoveLocal(name_); }
    tLoopVariable(const tLoopVariable&) = delete;
    tLoopVariable& operator=(const tLoopVariable&) = delete;

private:
    uint32_t name_;
};

tlogoobject* for_(tPrimitiveCall& call)
{
    tLogoList* range = call[1]->IsList() ? static_cast<tLogoList*>(call[1]) : nullptr;
    int32_t parts = range ? range->Count() : 0;
    if (parts != 2 && parts != 3) throw eLogoException(erBadStructure, call[1]);
    long double start = range->First()->AsReal();
    long double end = range->NthCell(2)->first->AsReal();
    long double step = start < end ? 1 : -1;
    if (parts == 3) {
        step = range->NthCell(3)->first->AsReal();
        if (step == 0) throw eLogoException(erBadStructure, call[1]);
    }
    uint32_t name = call[0]->NameCode();
    tLogoRef<tLogoReal> value(new tLogoReal(start));
    tLoopCounterScope counter;
    tLoopVariable variable(name, value.get());
    for (long double s = start; step > 0 ? s <= end : s >= end; s += step) {
        ++context().loopCounter;
        // Held by this loop and the binding only, the value can change in place; once the body
        // has kept it elsewhere (in a list, say), it keeps its number and the next pass gets a
        // value of its own.
        if (value->refCount > kLoopHolders) value = new tLogoReal(s);
        value->SetValue(s);
        context().localTable->SetOrAddLocal(name, value.get());
        RunInstructions(call[2]);
        if (exitRequested()) break;
    }
    return nullptr;
}

tlogoobject* test(tPrimitiveCall& call)
{
    context().testState = call.boolean(0) ? 1 : 0;
    return nullptr;
}

// Runs the list when the last test in this procedure had the wanted result.
tlogoobject* runIfTested(tPrimitiveCall& call, uint8_t wanted)
{
    uint8_t state = context().testState;
    if (state == 2) throw eLogoException(erNotExecuted, std::string_view(primaryName("test")));
    if (state == wanted) RunInstructions(call[0]);
    return nullptr;
}

tlogoobject* iftrue(tPrimitiveCall& call) { return runIfTested(call, 1); }
tlogoobject* iffalse(tPrimitiveCall& call) { return runIfTested(call, 0); }

tlogoobject* case_(tPrimitiveCall& call)
{
    tLogoRef<tLogoList> clauses(call.list(1)->ClauseForm());
    for (tlogoobject* clause : elements(clauses.get())) {
        auto* pair = static_cast<tLogoList*>(clause);
        if (pair->Count() == 1) return runOrEvaluate(call, pair->First());
        if (pair->First()->Equals(call[0])) return runOrEvaluate(call, pair->NthCell(2)->first);
    }
    return nullptr;
}

tlogoobject* wait(tPrimitiveCall& call)
{
    waitInProcess(call.integer(0));
    return nullptr;
}

constexpr tPrimitiveRow kControlRows[] = {
    {"repeat", 2, kFixedInputs, &repeat},
    {"repcount", 0, kFixedInputs, &repcount},
    {"if", 2, kFullInputs, &if_},
    {"ifelse", 3, kFullInputs, &ifelse},
    {"run", 1, kFixedInputs, &run},
    {"while", 2, kFixedInputs, &while_},
    {"loop", 1, kFixedInputs, &loop},
    {"for", 3, kFixedInputs, &for_},
    {"waituntil", 1, kFixedInputs, &waituntil},
    {"test", 1, kFullInputs, &test},
    {"iftrue", 1, kFullInputs, &iftrue},
    {"iffalse", 1, kFullInputs, &iffalse},
    {"case", 2, kFixedInputs, &case_},
    {"wait", 1, kFixedInputs, &wait},
};

}  // namespace

void registerControlPrimitives(tLogoTab& table)
{
    registerPrimitives(table, kControlRows);
    for (const std::string& name : registrationNames("if"))
        if (auto* conditional = static_cast<tProcDesc*>(table.Lookup(nameCode(name)))) conditional->special = kConditionalProc;
    RegisterByKey<tOutput>(table, "output");
    RegisterByKey<tStop>(table, "stop");
}
