#include <gtest/gtest.h>

#include <map>
#include <sstream>

#include "language/Language.h"
#include "values/objectContextHooks.h"
#include "values/tCompiledCode.h"
#include "values/tLogoInt.h"
#include "values/tLogoStack.h"
#include "values/tLogoString.h"
#include "values/tLogoVarTab.h"
#include "values/tObjCommand.h"
#include "values/tPseudoVarDesc.h"
#include "values/tVariableProcDesc.h"
#include "valueTestSupport.h"

namespace {

// A stand-in for the object model: one object's variables and a record of what was called.
struct tFakeObjectModel {
    static inline tLogoVarTab* variables = nullptr;
    static inline int protectedRuns = 0;
    static inline std::vector<uint32_t> marked;

    static void install()
    {
        tObjectContextHooks hooks;
        hooks.readVariable = [](uint32_t code) { return variables->GetValue(code); };
        hooks.writeVariable = [](uint32_t code, tlogoobject* value) { variables->SetValue(code, value); };
        hooks.markPropertiesSet = [](const uint32_t* codes, int count) { marked.assign(codes, codes + count); };
        hooks.runProtected = [](void (*routine)(void*), void* data) {
            ++protectedRuns;
            routine(data);
        };
        hooks.readProperty = [](tPseudoVarDesc& property) { return variables->GetValue(property.code); };
        hooks.writeProperty = [](tPseudoVarDesc& property, tlogoobject* value) {
            variables->SetValue(property.code, value);
        };
        setObjectContextHooks(hooks);
    }
};

class ObjectHooks : public ::testing::Test {
protected:
    void SetUp() override
    {
        tFakeObjectModel::variables = &variables;
        tFakeObjectModel::protectedRuns = 0;
        tFakeObjectModel::install();
    }
    void TearDown() override { setObjectContextHooks({}); }

    tLogoVarTab variables;
    tLogoStack stack;
};

TEST_F(ObjectHooks, GetterAndSetterReachTheCurrentObjectsVariable)
{
    const uint32_t size = nameCode("size");
    tSetFunc setter(nameCode("setsize"), size);
    tGetFunc getter(size, size);
    stack.push(new tLogoInt(12));
    setter.CallCommand(stack, 1);
    stack.expectNone();
    getter.CallOperation(stack, 0);
    EXPECT_EQ(stack.top()->AsInteger(), 12);
    EXPECT_TRUE(getter.IsAvailable(true));
    EXPECT_EQ(getter.running, 0);
    EXPECT_EQ(raisedKey([&] { tGetFunc(nameCode("missing"), nameCode("missing")).CallOperation(stack, 0); }), erNoVal);
}

TEST_F(ObjectHooks, ProtectedAndPropertyCommandsGoThroughTheirHooks)
{
    tProtectedObjProcDesc guarded(nameCode("guarded"), 0, 0, [](void*, tLogoStack& s, int) { s.push(nullptr); });
    guarded.CallCommand(stack, 0);
    guarded.CallDirectCommand(stack, 0);
    EXPECT_EQ(tFakeObjectModel::protectedRuns, 2);
    stack.truncate(0);

    tPseudoVarCommand setColour(nameCode("setcolour"), [](void*, tLogoStack& s, int n) { s.dropN(n), s.push(nullptr); },
                                nullptr, {nameCode("colour"), nameCode("pencolour")});
    stack.push(new tLogoInt(4));
    setColour.CallCommand(stack, 1);
    EXPECT_EQ(tFakeObjectModel::marked, (std::vector<uint32_t>{nameCode("colour"), nameCode("pencolour")}));
    stack.truncate(0);

    tPseudoVarDesc property(nameCode("heading"), nullptr, nullptr, nullptr, 0, kNotSavedUntilSet);
    property.Store(new tLogoInt(90));
    EXPECT_EQ(property.flags & kNotSavedUntilSet, 0);
    EXPECT_EQ(property.Value()->AsInteger(), 90);
}

TEST(ObjectHooksMissing, DescriptorsFailRatherThanDoNothing)
{
    tLogoStack stack;
    tGrObjectProcDesc fanOut(nameCode("fanout"), 0, false);
    EXPECT_EQ(raisedKey([&] { fanOut.CallCommand(stack, 0); }), erNoActiveObj);
    EXPECT_EQ(raisedKey([&] { fanOut.CallOperation(stack, 0); }), erNoActiveObj);
    tPseudoVarDesc property(nameCode("heading"), nullptr, nullptr, nullptr, 0);
    EXPECT_EQ(raisedKey([&] { property.Value(); }), erNoVal);
    // Without a window thread hand-over a protected routine runs where it is called.
    tProtectedObjProcDesc guarded(nameCode("guarded"), 0, 0, [](void*, tLogoStack& s, int) { s.push(new tLogoInt(1)); });
    guarded.CallOperation(stack, 0);
    EXPECT_EQ(stack.top()->AsInteger(), 1);
}

TEST(TableWalks, SavingSkipsUnsavedEntriesInCodeOrder)
{
    struct tSaved : tTabDesc {
        using tTabDesc::tTabDesc;
        void SaveEntry(std::ostream& stream, int level, int) override { stream << code << '@' << level << ' '; }
    };
    tLogoTab table;
    table.PutEntry(new tSaved(3, 0));
    table.PutEntry(new tSaved(1, kNotSaved));
    table.PutEntry(new tSaved(2, 0));
    table.PutEntry(new tSaved(4, kNotSavedUntilSet));
    std::ostringstream saved;
    table.SaveEntries(saved, 1, 0);
    EXPECT_EQ(saved.str(), "2@1 3@1 ");  // code order
}

struct tModeForm : tCompiledCode {
    explicit tModeForm(int mode) : mode(mode) {}
    int mode;
};

TEST(TableWalks, BodiesAreCompiledInInsertionOrder)
{
    struct tUserProcedure : tProcDesc {
        tUserProcedure(uint32_t code, const char* text) : tProcDesc(code, 0, 0), body(new tLogoString(text)) {}
        tlogoobject* Body() override { return body.get(); }
        tLogoRef<tlogoobject> body;
    };
    setWordCompiler([](tLogoWord&, int mode) -> tCompiledCode* { return new tModeForm(mode); });
    tLogoTab procedures;
    procedures.PutEntry(new tUserProcedure(9, "fd 1"));
    procedures.PutEntry(new tProcDesc(5, 0, 0));  // a primitive has no body
    procedures.PutEntry(new tUserProcedure(7, "rt 1"));
    tLogoEventTab events;
    events.Define(2, new tLogoString("beep"), 0);
    std::vector<int> modes;
    auto collect = [](void* data, tCompiledCode* body, tlogoobject*) {
        static_cast<std::vector<int>*>(data)->push_back(static_cast<tModeForm*>(body)->mode);
    };
    procedures.ForEachBody(collect, &modes);
    events.ForEachBody(collect, &modes);
    EXPECT_EQ(modes, (std::vector<int>{2, 2, 0}));
    setWordCompiler(nullptr);
}

}  // namespace
