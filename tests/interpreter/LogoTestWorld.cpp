#include "LogoTestWorld.h"

#include <gtest/gtest.h>
#include <pthread.h>

#include "interpreter/startEvaluator.h"
#include "interpreter/CatchThrow.h"
#include "interpreter/Evaluator.h"
#include "interpreter/ProcedureDefinition.h"
#include "interpreter/ValueMethodTables.h"
#include "interpreter/tLogoLocaltab.h"
#include "language/Language.h"
#include "values/installListOperations.h"
#include "values/registration.h"
#include "values/tLogoInt.h"
#include "values/tLogoStack.h"
#include "values/tMainPasProcDesc.h"
#include "values/tObjectProcDesc.h"
#include "values/tSpecialProcDesc.h"
#include "values/valuePools.h"

namespace {

tLogoTestWorld* activeWorld = nullptr;

tlogoobject* print(void*, tLogoStack& stack, int n)
{
    std::string line;
    for (int i = n - 1; i >= 0; --i) line += (i == n - 1 ? "" : " ") + stack.peek(i)->PrintText(0);
    stack.dropN(n);
    activeWorld->printed += line + "\n";
    return nullptr;
}

tlogoobject* make(void*, tlogoobject* name, tlogoobject* value)
{
    currentContext()->localTable->Define(name->NameCode(), value, 0);
    return nullptr;
}

tlogoobject* local(void*, tlogoobject* name)
{
    currentContext()->localTable->AddLocal(name->NameCode(), nullptr);
    return nullptr;
}

tlogoobject* repeat(void*, tlogoobject* count, tlogoobject* instructions)
{
    tProcessContext& context = *currentContext();
    int32_t saved = context.loopCounter;
    int32_t times = count->AsInteger();
    for (int32_t i = 1; i <= times && !context.exitRequested; ++i) {
        context.loopCounter = i;
        RunInstructions(instructions);
    }
    context.loopCounter = saved;
    return nullptr;
}

tlogoobject* ifThen(void*, tlogoobject* condition, tlogoobject* instructions)
{
    if (condition->AsBoolean()) RunInstructions(instructions);
    return nullptr;
}

tlogoobject* ifElse(void*, tlogoobject* condition, tlogoobject* whenTrue, tlogoobject* whenFalse)
{
    RunInstructions(condition->AsBoolean() ? whenTrue : whenFalse);
    return nullptr;
}

tlogoobject* run(void*, tlogoobject* instructions)
{
    RunInstructions(instructions);
    return nullptr;
}

int32_t repcount(void*) { return currentContext()->loopCounter; }

// Compiles a list in another mode, as a case selection or a procedure body would, and outputs 0.
tlogoobject* compileAs(void*, tlogoobject* mode, tlogoobject* list)
{
    CompiledForm(list, mode->AsInteger());
    return NewInteger(0);
}

int32_t nesting(void*) { return currentContext()->nesting; }

tlogoobject* test(void*, tlogoobject* condition)
{
    currentContext()->testState = condition->AsBoolean() ? 1 : 0;
    return nullptr;
}

int32_t testState(void*) { return currentContext()->testState; }

tlogoobject* catchTag(void*, tlogoobject* tag, tlogoobject* instructions)
{
    RunCatch(tag, [&] { RunInstructions(instructions); });
    return nullptr;
}

tlogoobject* throwTag(void*, tlogoobject* tag) { ThrowTag(tag); }

tlogoobject* sum(void*, tLogoStack& stack, int n)
{
    tLogoRef<tlogoobject> first(stack.peek(n - 1));
    stack.removeAt(n - 1);
    return static_cast<tLogoWord&>(*first).Sum(stack, n - 1);
}

void registerPrimitives(tLogoTab& table)
{
    RegisterByKey<tMainPasProcDesc>(table, "print", uint8_t{1}, int32_t{1}, &print, nullptr);
    RegisterByKey<tMainPasProcDesc>(table, "sum", uint8_t{0}, int32_t{2}, &sum, nullptr);
    RegisterByKey<tMainPasProcDesc2p>(table, "make", uint8_t{0}, &make, nullptr);
    RegisterByKey<tMainPasProcDesc1p>(table, "local", uint8_t{0}, &local, nullptr);
    RegisterByKey<tMainPasProcDesc2p>(table, "repeat", uint8_t{0}, &repeat, nullptr);
    RegisterByKey<tMainPasProcDesc1p>(table, "run", uint8_t{0}, &run, nullptr);
    RegisterByKey<tMainPasProcDesc2p>(table, "if", uint8_t{1}, &ifThen, nullptr);
    RegisterByKey<tMainPasProcDesc3p>(table, "ifelse", uint8_t{1}, &ifElse, nullptr);
    RegisterByKey<tMainPasProcDesc0i>(table, "repcount", uint8_t{0}, &repcount, nullptr);
    RegisterLiteral<tMainPasProcDesc0i>(table, "nesting", uint8_t{0}, &nesting, nullptr);
    RegisterLiteral<tMainPasProcDesc2p>(table, "compileas", uint8_t{0}, &compileAs, nullptr);
    RegisterByKey<tMainPasProcDesc1p>(table, "test", uint8_t{1}, &test, nullptr);
    RegisterLiteral<tMainPasProcDesc0i>(table, "teststate", uint8_t{0}, &testState, nullptr);
    RegisterByKey<tMainPasProcDesc2p>(table, "catch", uint8_t{0}, &catchTag, nullptr);
    RegisterByKey<tMainPasProcDesc1p>(table, "throw", uint8_t{0}, &throwTag, nullptr);
    RegisterByKey<tOutput>(table, "output");
    RegisterByKey<tStop>(table, "stop");
    struct {
        const char* text;
        uint8_t binding;
        int32_t inputs;
    } operators[] = {{"+", 4, 2}, {"-", 4, 2}, {"*", 5, 2}, {"/", 5, 2}, {"=", 2, 2},
                     {"<", 2, 2}, {">", 2, 2}, {"<unary ->", 3, 1}, {"<unary +>", 3, 1}};
    for (const auto& op : operators) RegisterLiteral<tObjectProc1Desc>(table, op.text, op.binding, op.inputs);
    for (const char* key : {"first", "butfirst", "count", "not", "sqrt"})
        RegisterByKey<tObjectProcEndDesc>(table, key, uint8_t{0}, int32_t{1});
    for (const char* key : {"fput", "item"}) RegisterByKey<tObjectProcEndDesc>(table, key, uint8_t{0}, int32_t{2});
    RegisterByKey<tObjectProcNDesc>(table, "foreach", uint8_t{0}, int32_t{3}, int32_t{1});
}

}  // namespace

tTestObject::tTestObject() { methods = new tLogoTab(this); }

tTestObject::~tTestObject()
{
    delete methods;
    methods = nullptr;
}

tProcDesc* tTestObject::LookupMethod(uint32_t code, int& level)
{
    tTestObject* object = this;
    for (int i = 0; i < level && object; ++i) object = object->parent;
    for (; object; object = object->parent, ++level)
        if (tTabDesc* entry = object->methods->Lookup(code)) return static_cast<tProcDesc*>(entry);
    return nullptr;
}

tProcDesc* tTestObject::FindNextMethod(int& level, uint32_t code)
{
    ++level;
    return LookupMethod(code, level);
}

void startLogoForTests()
{
    static bool started = [] {
        switchLanguage("");
        startEvaluator();
        return true;
    }();
    (void)started;
}

tLogoTestWorld::tLogoTestWorld()
{
    startLogoForTests();
    registerPrimitives(*main.methods);
    context = std::make_unique<tProcessContext>(&globals, &main);
    scope_ = std::make_unique<tContextScope>(*context);
    activeWorld = this;
}

tLogoTestWorld::~tLogoTestWorld()
{
    scope_.reset();
    context.reset();
    activeWorld = nullptr;
}

std::string tLogoTestWorld::Run(std::string_view text)
{
    printed.clear();
    RunText(text);
    return printed;
}

eLogoException tLogoTestWorld::ErrorOf(std::string_view text)
{
    printed.clear();
    try {
        RunText(text);
    } catch (eLogoException& error) {
        return error;
    }
    ADD_FAILURE() << "no error from: " << text;
    return eLogoException(erUnexpected);
}

void tLogoTestWorld::Define(std::string_view text) { DefineFromText(*main.methods, text); }

tlogoobject* tLogoTestWorld::Global(std::string_view name) { return globals.FindValue(nameCode(name)); }

void runOnProcessStack(const std::function<void()>& body)
{
    struct tCall {
        const std::function<void()>* body;
        std::exception_ptr failure;
    } call{&body, nullptr};
    pthread_attr_t attributes;
    pthread_attr_init(&attributes);
    pthread_attr_setstacksize(&attributes, size_t{256} << 20);
    pthread_t thread;
    auto entry = [](void* data) -> void* {
        auto* call = static_cast<tCall*>(data);
        try {
            (*call->body)();
        } catch (...) {
            call->failure = std::current_exception();
        }
        return nullptr;
    };
    ASSERT_EQ(pthread_create(&thread, &attributes, entry, &call), 0);
    pthread_join(thread, nullptr);
    pthread_attr_destroy(&attributes);
    if (call.failure) std::rethrow_exception(call.failure);
}
