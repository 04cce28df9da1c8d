#include "LogoProcessWorld.h"

#include "interpreter/startEvaluator.h"
#include "interpreter/Evaluator.h"
#include "interpreter/ProcedureDefinition.h"
#include "interpreter/ValueMethodTables.h"
#include "interpreter/tProcessContext.h"
#include "language/Language.h"
#include "processes/interpreterRelease.h"
#include "processes/processEnvironment.h"
#include "processes/processPrimitives.h"
#include "processes/tInterpreterLock.h"
#include "values/installListOperations.h"
#include "values/registration.h"
#include "values/tLogoString.h"
#include "values/tMainPasProcDesc.h"
#include "values/tObjectProcDesc.h"
#include "values/tSpecialProcDesc.h"
#include "values/valuePools.h"

#include <gtest/gtest.h>

#include <mutex>

namespace {

std::mutex transcriptGuard;
std::string transcript;

tlogoobject* print(void*, tLogoStack& stack, int n)
{
    std::string line;
    for (int i = n - 1; i >= 0; --i)
        line += (i == n - 1 ? "" : " ") + stack.peek(i)->PrintText(0);
    stack.dropN(n);
    std::lock_guard<std::mutex> hold(transcriptGuard);
    transcript += line + "\n";
    return nullptr;
}

tlogoobject* make(void*, tlogoobject* name, tlogoobject* value)
{
    currentContext()->localTable->Define(name->NameCode(), value, 0);
    return nullptr;
}

tlogoobject* repeat(void*, tlogoobject* count, tlogoobject* instructions)
{
    tProcessContext& context = *currentContext();
    for (int32_t i = count->AsInteger(); i > 0 && !context.exitRequested; --i)
        RunInstructions(instructions);
    return nullptr;
}

tlogoobject* wait(void*, tlogoobject* duration)
{
    waitInProcess(duration->AsInteger());
    return nullptr;
}

// Stand-ins for the project loaders: they only say what they were asked to load.
tlogoobject* load(void* verb, tlogoobject* fileName)
{
    std::lock_guard<std::mutex> hold(transcriptGuard);
    transcript += static_cast<const char*>(verb) + (" " + fileName->PrintText(0)) + "\n";
    return nullptr;
}

void registerTestPrimitives(tLogoTab& table)
{
    RegisterByKey<tMainPasProcDesc1p>(table, "load", uint8_t{0}, &load, const_cast<char*>("load"));
    RegisterByKey<tMainPasProcDesc1p>(table, ".load", uint8_t{0}, &load, const_cast<char*>(".load"));
    RegisterByKey<tMainPasProcDesc>(table, "print", uint8_t{1}, int32_t{1}, &print, nullptr);
    RegisterByKey<tMainPasProcDesc2p>(table, "make", uint8_t{0}, &make, nullptr);
    RegisterByKey<tMainPasProcDesc2p>(table, "repeat", uint8_t{0}, &repeat, nullptr);
    RegisterByKey<tMainPasProcDesc1p>(table, "wait", uint8_t{0}, &wait, nullptr);
    RegisterByKey<tOutput>(table, "output");
    RegisterByKey<tStop>(table, "stop");
    for (const char* text : {"+", "-"})
        RegisterLiteral<tObjectProc1Desc>(table, text, uint8_t{4}, int32_t{2});
    RegisterLiteral<tObjectProc1Desc>(table, "/", uint8_t{5}, int32_t{2});
}

void startLogoOnce()
{
    static bool started = [] {
        switchLanguage("");
        startEvaluator();
        installRunInterleaving();
        installInterpreterLockCheck();
        return true;
    }();
    (void)started;
}

}  // namespace

tProcessWorldObject::tProcessWorldObject()
{
    methods = new tLogoTab(this);
    AddRef(this);  // owned by the world, not by the processes that run in it
}

tProcessWorldObject::~tProcessWorldObject()
{
    delete methods;
    methods = nullptr;
}

tProcDesc* tProcessWorldObject::LookupMethod(uint32_t code, int& level)
{
    return static_cast<tProcDesc*>(methods->Lookup(code));
}

tLogoProcessWorld::tLogoProcessWorld()
{
    startLogoOnce();
    registerTestPrimitives(*main.methods);
    registerProcessPrimitives(*main.methods);
    setProcessEnvironment({&globals, &main});
    std::lock_guard<std::mutex> hold(transcriptGuard);
    transcript.clear();
}

tLogoProcessWorld::~tLogoProcessWorld()
{
    EXPECT_TRUE(stopEveryProcess());
    setProcessEnvironment({});
}

std::shared_ptr<tLogoprocess> tLogoProcessWorld::Launch(std::string_view text, std::string name)
{
    tInterpreterLock::Holder held;  // values are counted under the lock
    tProcessStart start;
    start.name = std::move(name);
    start.kind = ipCode;
    start.code = NewWord(text);
    start.commander = commander;
    return tLogoprocess::Start<tLogoprocess>(std::move(start));
}

void tLogoProcessWorld::Run(std::string_view text)
{
    Launch(text)->WaitForEnd();
}

void tLogoProcessWorld::Define(std::string_view text)
{
    tInterpreterLock::Holder held;
    DefineFromText(*main.methods, text);
}

std::string tLogoProcessWorld::Printed()
{
    std::lock_guard<std::mutex> hold(transcriptGuard);
    return transcript;
}

std::vector<int> tLogoProcessWorld::ErrorKeys()
{
    return commander->Each(&tRecordingCommander::tReport::key);
}

tlogoobject* tLogoProcessWorld::Global(std::string_view name)
{
    return globals.FindValue(nameCode(name));
}

int tLogoProcessWorld::GlobalInteger(std::string_view name)
{
    tInterpreterLock::Holder held;
    tlogoobject* value = Global(name);
    return value != nullptr ? value->AsInteger() : 0;
}
