#include "interpreter/Evaluator.h"

#include <cassert>
#include <stdexcept>
#include <typeinfo>

#include "interpreter/InstructionCompiler.h"
#include "interpreter/ValueMethodTables.h"
#include "interpreter/NameResolution.h"
#include "interpreter/integerOperators.h"
#include "interpreter/ValueForEach.h"
#include "interpreter/tCompiledForm.h"
#include "interpreter/tLogoLocaltab.h"
#include "interpreter/tProcessContext.h"
#include "language/Language.h"
#include "values/eLogoException.h"
#include "values/eOutputException.h"
#include "values/tLogoInt.h"
#include "values/tLogoReal.h"
#include "values/tLogoList.h"
#include "values/tLogoString.h"
#include "values/tLogoVarDesc.h"
#include "values/tObjectProcDesc.h"
#include "values/tProcDesc.h"

namespace {

bool statement(tProcessContext& context, tToken*& token);
bool expression(tProcessContext& context, tToken*& token);
bool additive(tProcessContext& context, tToken*& token);
bool primary(tProcessContext& context, tToken*& token);
void pushOperand(tProcessContext& context, const tToken& token);
bool operationCall(tProcessContext& context, const tResolvedName& resolved, int n);
bool collectInputs(tProcessContext& context, tToken*& token, const tProcDesc& descriptor, int& n);
bool outputStatement(tProcessContext& context, tToken*& token, const tProcDesc& output);
bool growingAssignmentFits(tProcessContext& context, tToken* token);
bool growingAssignment(tProcessContext& context, tToken*& token, const tResolvedName& make);
bool plainAssignmentFits(const tProcDesc& make, const tToken* token);
bool conditional(tProcessContext& context, const tResolvedName& resolved);
bool plainAssignment(tProcessContext& context, tToken*& token, const tResolvedName& make);

// Counts one active run for the nesting limit (and, for instruction runs, the body depth that
// decides where tail calls may be left pending); both are restored however the run ends.
class tRunLevel {
public:
    tRunLevel(tProcessContext& context, bool countsDepth) : context_(context), countsDepth_(countsDepth)
    {
        assert(lockHeldByCaller());
        if (context.markActivity) raiseActivityFlag();
        if (RunInterleaveHook hook = runInterleaveHook()) hook(context);
        if (context.nesting >= tProcessContext::kNestingLimit) throw eLogoException(erStackOverflow);
        ++context.nesting;
        if (countsDepth_) ++context.runDepth;
    }
    ~tRunLevel()
    {
        --context_.nesting;
        if (countsDepth_) --context_.runDepth;
    }
    tRunLevel(const tRunLevel&) = delete;
    tRunLevel& operator=(const tRunLevel&) = delete;

private:
    tProcessContext& context_;
    bool countsDepth_;
};

[[noreturn]] void failDidNotReport(uint32_t procedure)
{
    throw eLogoException(erDidNotReport, tCulpritName{procedure});
}

// A procedure called by "output name ..." that reported nothing.
[[noreturn]] void failDidNotReportToOutput(uint32_t procedure)
{
    eLogoException error(erDidNotReport, tCulpritName{procedure});
    error.SetNeedingProcedure(primaryName("output"));
    throw error;
}

// "output" met with no procedure body running: there is nothing it could end.
[[noreturn]] void failOutputOutsideProcedure()
{
    throw eLogoException(erWrongPlace, tNeedingProcedureText{primaryName("output")});
}

// Calls one entry point and gives the failures that leave it the procedure's name; runtime
// arithmetic failures become Logo errors.
template <class Call>
void callTranslated(tProcDesc& descriptor, bool wantsValue, Call&& call)
{
    try {
        call();
    } catch (eLogoException& error) {
        error.SetNeedingProcedure(descriptor.code);
        throw;
    } catch (eOutputException&) {
        if (wantsValue) failDidNotReport(descriptor.code);
        throw;
    } catch (const std::domain_error&) {
        throw eLogoException(erReal, tNeedingProcedure{descriptor.code});
    } catch (const std::range_error&) {
        throw eLogoException(erReal, tNeedingProcedure{descriptor.code});
    } catch (const std::overflow_error&) {
        throw eLogoException(erReal, tNeedingProcedure{descriptor.code});
    }
}

// Runs a call inside the qualifying object's context when there is one.
template <class Call>
void inObjectContext(tProcessContext& context, tlogoobject* object, Call&& call)
{
    if (!object) {
        call();
        return;
    }
    context.PushAskInto(object);
    try {
        call();
    } catch (...) {
        context.PopAsk();
        throw;
    }
    context.PopAsk();
}

// The end of a tail-call chain: the frame the first procedure kept open is closed and the
// caller's test state comes back.
void endTailChain(tProcessContext& context, uint8_t callerTestState)
{
    context.pendingCall = {};
    context.exitRequested = 0;
    context.localTable->CloseFrame();
    context.testState = callerTestState;
}

// Carries out pending tail calls until none is left. A procedure whose value was wanted (it was
// called by "output name ...") must report one: when it ends in a command tail call, that call
// is dropped, and either way the chain fails erDidNotReport naming it.
void trampoline(tProcessContext& context)
{
    // Chains started inside this one's calls set savedTestState of their own.
    uint8_t callerTestState = context.savedTestState;
    uint32_t silent = 0;
    tPendingCall last;
    try {
        do {
            tPendingCall call = context.pendingCall;
            last = call;
            context.pendingCall = {};
            context.exitRequested = 0;
            context.foundLevel = call.level;
            callTranslated(*call.descriptor, false, [&] { call.descriptor->CallTail(context.stack, call.inputs); });
            if (call.wantsValue && context.pendingCall.descriptor && !context.pendingCall.wantsValue) {
                context.stack.dropN(context.pendingCall.inputs);
                silent = call.descriptor->code;
                break;
            }
        } while (context.exitRequested && context.pendingCall.descriptor);
    } catch (...) {
        endTailChain(context, callerTestState);
        throw;
    }
    endTailChain(context, callerTestState);
    if (silent) failDidNotReportToOutput(silent);
    if (last.wantsValue && !context.stack.top()) failDidNotReportToOutput(last.descriptor->code);
}

// After a call made for a value: a pending "output" tail call is carried out; a pending command
// tail call is dropped with its inputs, since a body ending in one reports nothing.
void settlePendingForValue(tProcessContext& context, const tProcDesc& descriptor)
{
    if (!context.pendingCall.descriptor) return;
    if (context.pendingCall.wantsValue) {
        trampoline(context);
        return;
    }
    context.stack.dropN(context.pendingCall.inputs);
    endTailChain(context, context.savedTestState);
    failDidNotReport(descriptor.code);
}

bool commandCall(tProcessContext& context, tToken*& token, const tResolvedName& resolved, int n)
{
    tProcDesc& descriptor = *resolved.descriptor;
    if (descriptor.special == kOutputProc) {
        if (context.procedureDepth == 0) failOutputOutsideProcedure();
        context.outputValue = tLogoRef<tlogoobject>::adopt(context.stack.popRaw());
        context.exitRequested = 1;
        return true;
    }
    if (descriptor.special == kStopProc) {
        context.exitRequested = 1;
        return true;
    }
    if (token->kind == tkEnd && context.runDepth == 1 && !resolved.object && descriptor.tailCallable) {
        context.pendingCall = {&descriptor, nullptr, resolved.level, n};
        context.exitRequested = 1;
        return true;
    }
    context.foundLevel = resolved.level;
    inObjectContext(context, resolved.object, [&] {
        callTranslated(descriptor, false, [&] { descriptor.CallCommand(context.stack, n); });
        if (context.pendingCall.descriptor) trampoline(context);
    });
    if (context.exitRequested) return true;
    context.stack.expectNone();
    return false;
}

bool operationCall(tProcessContext& context, const tResolvedName& resolved, int n)
{
    tProcDesc& descriptor = *resolved.descriptor;
    if (descriptor.special == kOutputProc || descriptor.special == kStopProc) failDidNotReport(descriptor.code);
    int base = context.stack.height() - n;
    context.foundLevel = resolved.level;
    inObjectContext(context, resolved.object, [&] {
        callTranslated(descriptor, true, [&] { descriptor.CallOperation(context.stack, n); });
        settlePendingForValue(context, descriptor);
    });
    if (context.exitRequested) return true;
    if (context.stack.height() <= base || !context.stack.top()) failDidNotReport(descriptor.code);
    return false;
}

// A built-in operator whose left operand is an integer, a real or a word: the result the general
// call would give, computed here (two integers directly, any other through the receiver class's
// own method); false when the general call must run (another receiver, or an object's operator).
bool operatorShortcut(tProcessContext& context, const tResolvedName& resolved, const tToken& token)
{
    if (resolved.object) return false;
    // Without an object the token's cache holds this very answer.
    const auto op = static_cast<tIntegerOperator>(token.cache->integerOperator);
    if (op == tIntegerOperator::kNone) return false;
    tlogoobject* left = context.stack.peek(1);
    tlogoobject* right = context.stack.peek(0);
    // The class identities are compared as addresses: the whole program is one executable, so
    // each class has one type_info, and a mismatch then costs no comparison of names.
    const std::type_info* leftClass = &typeid(*left);
    const std::type_info* rightClass = &typeid(*right);
    const std::type_info* integer = &typeid(tLogoInt);
    tlogoobject* result = nullptr;
    // Exactly integers: a real or a word may also count as integral, but is not a tLogoInt.
    if (leftClass == integer && rightClass == integer)
        result = applyIntegerOperator(op, static_cast<tLogoInt*>(left)->value, static_cast<tLogoInt*>(right)->value);
    if (!result) {
        // Any other word, number or real receiver answers through its class's own method, which
        // is the one its table holds (sums that outgrew the integers, digits taken from words).
        if (leftClass != integer && leftClass != &typeid(tLogoReal) && leftClass != &typeid(tLogoString))
            return false;
        callTranslated(*resolved.descriptor, true, [&] { result = applyWordOperator(op, *left, *right); });
    }
    context.stack.drop();
    context.stack.drop();
    context.stack.push(result);
    return true;
}

bool applyOperator(tProcessContext& context, tToken& op, int n)
{
    tResolvedName resolved;
    try {
        resolved = resolvePlainToken(context, op);
    } catch (eLogoException& error) {
        error.SetNeedingProcedure(op.code);
        throw;
    }
    if (n == 2 && operatorShortcut(context, resolved, op)) return false;
    return operationCall(context, resolved, n);
}

bool isOperand(const tToken& token) { return token.kind == tkVariable || token.kind == tkLiteral; }

bool isOperator(const tToken& token) { return token.kind >= tkComparison && token.kind <= tkMultiplicative; }

bool input(tProcessContext& context, tToken*& token, const tProcDesc& descriptor)
{
    // A variable or literal with no operator after it is the whole input.
    if (isOperand(*token) && !isOperator(token[1])) {
        pushOperand(context, *token++);
        return false;
    }
    try {
        // So is "operand operator operand" with no operator after it, where this input takes
        // that operator: the precedence levels have nothing to decide.
        if (isOperand(*token) && isOperand(token[2]) && !isOperator(token[3]) &&
            (token[1].kind == tkAdditive || token[1].kind == tkMultiplicative ||
             (token[1].kind == tkComparison && descriptor.binding == 1))) {
            // Stepped as the levels step, so that a failure stands at the same place.
            pushOperand(context, *token++);
            tToken& op = *token++;
            pushOperand(context, *token++);
            return applyOperator(context, op, 2);
        }
        return descriptor.binding == 1 ? expression(context, token) : additive(context, token);
    } catch (eLogoException& error) {
        if (error.key == erDidNotReport) error.SetNeedingProcedure(descriptor.code);
        throw;
    }
}

// Steps over the name token and evaluates the inputs of the call; n is how many were pushed.
bool collectInputs(tProcessContext& context, tToken*& token, const tProcDesc& descriptor, int& n)
{
    bool parenthesised = descriptor.variable && token->afterParen;
    ++token;
    n = 0;
    if (parenthesised) {
        while (token->kind != tkClose && token->kind != tkEnd &&
               (descriptor.binding == 1 || token->kind != tkComparison)) {
            if (input(context, token, descriptor)) return true;
            ++n;
        }
        return false;
    }
    for (; n < descriptor.inputs; ++n) {
        if (token->kind == tkEnd) throw eLogoException(erNotEnoughInputs, tNeedingProcedure{descriptor.code});
        if (input(context, token, descriptor)) return true;
    }
    return false;
}

void closeParenthesis(tToken*& token)
{
    if (token->kind != tkClose) throw eLogoException(erMissingRpar);
    ++token;
}

void pushOperand(tProcessContext& context, const tToken& token)
{
    context.stack.push(token.kind == tkVariable ? context.localTable->GetValue(token.code) : token.value);
}

bool statement(tProcessContext& context, tToken*& token)
{
    switch (token->kind) {
    case tkName:
    case tkQualifier:
    case tkInherited: {
        tResolvedName resolved = resolveName(context, token);
        if (resolved.descriptor->special == kOutputProc && context.runDepth == 1 && token[1].kind == tkName)
            return outputStatement(context, token, *resolved.descriptor);
        if (resolved.descriptor->special == kAssignProc && !resolved.object) {
            if (growingAssignmentFits(context, token)) return growingAssignment(context, token, resolved);
            if (plainAssignmentFits(*resolved.descriptor, token)) return plainAssignment(context, token, resolved);
        }
        int n;
        if (collectInputs(context, token, *resolved.descriptor, n)) return true;
        if (resolved.descriptor->special == kConditionalProc && !resolved.object && n == 2)
            return conditional(context, resolved);
        return commandCall(context, token, resolved, n);
    }
    case tkOpen:
        ++token;
        if (statement(context, token)) return true;
        closeParenthesis(token);
        return false;
    case tkVariable:
    case tkLiteral:
        pushOperand(context, *token++);
        throw eLogoException(erWhatToDo, context.stack.top());
    default:
        ++token;
        throw eLogoException(erWrongSequence);
    }
}

bool primary(tProcessContext& context, tToken*& token)
{
    switch (token->kind) {
    case tkName:
    case tkQualifier:
    case tkInherited: {
        tResolvedName resolved = resolveName(context, token);
        int n;
        if (collectInputs(context, token, *resolved.descriptor, n)) return true;
        return operationCall(context, resolved, n);
    }
    case tkAdditive:
        // A sign in operand position is decided once and for all in the cached form.
        token->code = nameCode(token->code == nameCode("-") ? "<unary ->" : "<unary +>");
        token->kind = tkUnarySign;
        [[fallthrough]];
    case tkUnarySign: {
        tToken& sign = *token;
        ++token;
        if (primary(context, token)) return true;
        return applyOperator(context, sign, 1);
    }
    case tkOpen:
        ++token;
        if (expression(context, token)) return true;
        closeParenthesis(token);
        return false;
    case tkVariable:
    case tkLiteral:
        pushOperand(context, *token++);
        return false;
    default:
        ++token;
        throw eLogoException(erWrongSequence);
    }
}

using Level = bool (*)(tProcessContext& context, tToken*& token);

// The operators of one level, left to right, applied to a left operand already on the stack;
// each takes its right operand from the level below.
template <tTokenKind Kind, Level Operand>
bool operatorsOfLevel(tProcessContext& context, tToken*& token)
{
    while (token->kind == Kind) {
        tToken& op = *token;
        ++token;
        if (Operand(context, token) || applyOperator(context, op, 2)) return true;
    }
    return false;
}

constexpr Level multiplicativeRest = operatorsOfLevel<tkMultiplicative, primary>;

bool multiplicative(tProcessContext& context, tToken*& token)
{
    return primary(context, token) || multiplicativeRest(context, token);
}

constexpr Level additiveRest = operatorsOfLevel<tkAdditive, multiplicative>;

bool additive(tProcessContext& context, tToken*& token)
{
    return multiplicative(context, token) || additiveRest(context, token);
}

// Comparisons do not chain: a second comparison operator is left for the caller.
bool comparisonRest(tProcessContext& context, tToken*& token)
{
    if (token->kind != tkComparison) return false;
    tToken& op = *token;
    ++token;
    return additive(context, token) || applyOperator(context, op, 2);
}

bool expression(tProcessContext& context, tToken*& token)
{
    return additive(context, token) || comparisonRest(context, token);
}

// "output name inputs" as the last statement of a procedure body: the call's value would be the
// body's output, so the call is left pending like a command tail call and recursion of this
// shape also runs in constant stack. Any other input of "output" is evaluated as usual.
bool outputStatement(tProcessContext& context, tToken*& token, const tProcDesc& output)
{
    ++token;
    try {
        tResolvedName callee = resolveName(context, token);
        int n;
        if (collectInputs(context, token, *callee.descriptor, n)) return true;
        if (token->kind == tkEnd && !callee.object && callee.descriptor->tailCallable) {
            context.pendingCall = {callee.descriptor, nullptr, callee.level, n, 1};
            context.exitRequested = 1;
            return true;
        }
        if (operationCall(context, callee, n) || multiplicativeRest(context, token) ||
            additiveRest(context, token) || (output.binding == 1 && comparisonRest(context, token)))
            return true;
    } catch (eLogoException& error) {
        if (error.key == erDidNotReport) error.SetNeedingProcedure(output.code);
        throw;
    }
    context.outputValue = tLogoRef<tlogoobject>::adopt(context.stack.popRaw());
    context.exitRequested = 1;
    return true;
}

void addPosition(tProcessContext& context, eLogoException& error, const tCompiledForm& form, const tToken* token)
{
    error.AddPosition(form.PositionOf(token));
    context.NoteTrailSource(error.positions.size(), form.source);
}

// The token after "make" is a quoted name that passes the primitive's name checks (a word, not
// empty), so the assignment's shape can be decided before anything runs.
bool quotedNameFollows(const tToken* token)
{
    const tToken& name = token[1];
    return name.kind == tkLiteral && name.value->IsWord() && !name.value->WordView().empty();
}

// "make "name lput value :name" copies the name's list only for the copy to replace it. Nothing
// runs between that "lput" and the assignment, so a list held by the variable alone, no part of
// it held elsewhere, grows in place instead. This is the statement's shape, checked before
// anything is evaluated: a quoted name, then a name that reaches its receiver as the last of two
// inputs, as "lput" does.
bool growingAssignmentFits(tProcessContext& context, tToken* token)
{
    if (!quotedNameFollows(token) || token[2].kind != tkName || token->afterParen) return false;
    try {
        // Resolved through the token, whose answer the call itself reuses a moment later.
        const tResolvedName lput = resolvePlainToken(context, token[2]);
        return !lput.object && lput.descriptor->inputs == 2 &&
               &typeid(*lput.descriptor) == &typeid(tObjectProcEndDesc);
    } catch (const eLogoException&) {
        return false;
    }
}

// The list of a variable that "make" stores into as it stands: a procedure's local or a plain
// global, not one whose store does more (properties, computed variables).
tLogoList* assignedList(tLogoLocaltab& locals, uint32_t name)
{
    tTabDesc* entry = locals.Lookup(name);
    if (!entry && locals.globals) entry = locals.globals->Lookup(name);
    if (!entry || (typeid(*entry) != typeid(tLogoVarDesc) && typeid(*entry) != typeid(tlogoglobalvardesc)))
        return nullptr;
    tlogoobject* value = static_cast<tLogoVarDesc*>(entry)->value;
    return value && value->IsList() ? static_cast<tLogoList*>(value) : nullptr;
}

// At the second input of the receiver call, with its first input on the stack: when that input
// is the variable itself, nothing follows it, and the variable's list grows in place by the
// list's own "lput", the grown list stands for the call's result.
bool grownInPlace(tProcessContext& context, tToken*& token, uint32_t name, const tProcDesc& call)
{
    const uint8_t next = token[1].kind;
    if (token->kind != tkVariable || token->code != name || next == tkComparison || next == tkAdditive ||
        next == tkMultiplicative)
        return false;
    tLogoList* list = assignedList(*context.localTable, name);
    int level = 0;
    if (!list || !isListLput(list->LookupMethod(call.code, level)) || !list->LputInPlace(context.stack.top()))
        return false;
    context.stack.drop();
    context.stack.push(list);
    ++token;
    return true;
}

// The statement whose shape growingAssignmentFits accepted, evaluated in the ordinary order with
// the ordinary errors; only the copy is left out when it can be.
bool growingAssignment(tProcessContext& context, tToken*& token, const tResolvedName& make)
{
    ++token;
    const uint32_t name = token->value->NameCode();
    pushOperand(context, *token++);
    try {
        const tResolvedName call = resolveName(context, token);
        const tProcDesc& descriptor = *call.descriptor;
        auto requireInput = [&] {
            if (token->kind == tkEnd) throw eLogoException(erNotEnoughInputs, tNeedingProcedure{descriptor.code});
        };
        ++token;
        requireInput();
        if (input(context, token, descriptor)) return true;
        requireInput();
        if (!grownInPlace(context, token, name, descriptor) &&
            (input(context, token, descriptor) || operationCall(context, call, 2) || multiplicativeRest(context, token) ||
             additiveRest(context, token) || (make.descriptor->binding == 1 && comparisonRest(context, token))))
            return true;
    } catch (eLogoException& error) {
        if (error.key == erDidNotReport) error.SetNeedingProcedure(make.descriptor->code);
        throw;
    }
    return commandCall(context, token, make, 2);
}

// "make" with a quoted name, the commonest statement of loops: the name is known before the
// value is evaluated and cannot fail the name checks, so the value goes straight into the local
// table the primitive would have stored it in, without building the primitive's call.
bool plainAssignmentFits(const tProcDesc& make, const tToken* token)
{
    return quotedNameFollows(token) && !(make.variable && token->afterParen);
}

bool plainAssignment(tProcessContext& context, tToken*& token, const tResolvedName& make)
{
    tProcDesc& descriptor = *make.descriptor;
    const uint32_t name = token[1].value->NameCode();
    token += 2;
    if (token->kind == tkEnd) throw eLogoException(erNotEnoughInputs, tNeedingProcedure{descriptor.code});
    if (input(context, token, descriptor)) return true;
    tLogoRef<tlogoobject> value = tLogoRef<tlogoobject>::adopt(context.stack.popRaw());
    callTranslated(descriptor, false, [&] { context.localTable->Define(name, value.get(), 0); });
    return context.exitRequested;
}

// "if" with its two inputs on the stack, as its primitive would run it, without building the
// primitive's call: the commonest control statement of recursive procedures.
bool conditional(tProcessContext& context, const tResolvedName& resolved)
{
    tProcDesc& descriptor = *resolved.descriptor;
    tLogoRef<tlogoobject> instructions = tLogoRef<tlogoobject>::adopt(context.stack.popRaw());
    tLogoRef<tlogoobject> condition = tLogoRef<tlogoobject>::adopt(context.stack.popRaw());
    context.foundLevel = resolved.level;
    callTranslated(descriptor, false, [&] {
        if (condition->AsBoolean()) RunInstructions(instructions.get());
    });
    if (context.pendingCall.descriptor) trampoline(context);
    return context.exitRequested;
}

void runForm(tProcessContext& context, tCompiledForm& form)
{
    // Held before the run level: its yield point lets other processes run, and one of them may
    // replace the list's cached form.
    tFormHold hold(form);
    tRunLevel level(context, true);
    tToken* token = form.begin();
    try {
        while (token->kind != tkEnd)
            if (statement(context, token)) break;
    } catch (eLogoException& error) {
        addPosition(context, error, form, token);
        throw;
    }
}

tLogoRef<tlogoobject> evaluateForm(tProcessContext& context, tCompiledForm& form)
{
    tFormHold hold(form);
    tRunLevel level(context, false);
    tToken* token = form.begin();
    try {
        if (expression(context, token)) return {};
        if (token->kind != tkEnd) {
            if (expression(context, token)) return {};
            context.stack.expectNone();
        }
        return tLogoRef<tlogoobject>::adopt(context.stack.popRaw());
    } catch (eLogoException& error) {
        addPosition(context, error, form, token);
        throw;
    }
}

tCompiledCode* compileListEntry(tLogoList& list, int mode) { return compileList(list, mode); }
tCompiledCode* compileWordEntry(tLogoWord& word, int mode) { return compileWord(word, mode); }

tlogoobject* evaluateEntry(tlogoobject& expression)
{
    return EvaluateList(CompiledForm(&expression, tCompiledForm::kInstructions)).release();
}

bool conditionEntry(tLogoList& list) { return EvaluateCondition(&list); }

}  // namespace

void RunList(tCompiledForm& form) { runForm(requireContext(), form); }

tLogoRef<tlogoobject> EvaluateList(tCompiledForm& form) { return evaluateForm(requireContext(), form); }

bool EvaluateCondition(tlogoobject* list)
{
    tLogoRef<tlogoobject> held(list);
    tLogoRef<tlogoobject> value = EvaluateList(CompiledForm(list, tCompiledForm::kInstructions));
    return value && value->AsBoolean();
}

void RunInstructions(tlogoobject* instructions)
{
    tLogoRef<tlogoobject> held(instructions);
    RunList(CompiledForm(instructions, tCompiledForm::kInstructions));
}

void FinishTopLevelRun(tProcessContext& context)
{
    if (!context.exitRequested) return;
    bool output = static_cast<bool>(context.outputValue);
    context.exitRequested = 0;
    context.outputValue = nullptr;
    if (output) failOutputOutsideProcedure();
}

void RunText(std::string_view text)
{
    tProcessContext& context = requireContext();
    int height = context.stack.height();
    try {
        tLogoRef<tlogoobject> word(new tLogoString(text));
        RunList(CompiledForm(word.get(), tCompiledForm::kInstructions));
        FinishTopLevelRun(context);
    } catch (...) {
        context.stack.truncate(height);
        context.exitRequested = 0;
        context.outputValue = nullptr;
        throw;
    }
    context.stack.truncate(height);
}

tCompiledForm& CompiledForm(tlogoobject* value, int mode)
{
    return *static_cast<tCachedForm*>(value->Compile(mode))->form;
}

void installEvaluator()
{
    setWordCompiler(&compileWordEntry);
    setListEvaluator({&compileListEntry, &evaluateEntry, &conditionEntry, &forEachListElement});
}
