#include <gtest/gtest.h>

#include <map>

#include "LogoTestWorld.h"
#include "interpreter/ProcedureDefinition.h"
#include "interpreter/objectResolution.h"
#include "language/Language.h"
#include "values/tLogoInt.h"
#include "values/tProcDesc.h"
#include "values/tLogoStack.h"
#include "values/tLogoTab.h"
#include "values/valuePools.h"

namespace {

std::map<uint32_t, tlogoobject*> namedObjects;

tlogoobject* findNamed(tlogoobject*, uint32_t code)
{
    auto found = namedObjects.find(code);
    return found == namedObjects.end() ? nullptr : found->second;
}

// A world with an object "box" whose class "base" sits one level up its lookup chain, which
// ends in the main object.
class NameResolutionTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        box.parent = &base;
        base.parent = &world.main;
        namedObjects = {{nameCode("box"), &box}};
        tObjectResolution resolution;
        resolution.findObject = &findNamed;
        setObjectResolution(resolution);
        world.Define("to where\nprint \"main\nend");
        DefineFromText(*box.methods, "to where\nprint \"box\nend");
        DefineFromText(*box.methods, "to tellwhere\nwhere\nend");
        DefineFromText(*box.methods, "to hello\nprint \"box\nusual'hello\nend");
        DefineFromText(*base.methods, "to hello\nprint \"base\nend");
    }
    void TearDown() override
    {
        setObjectResolution({});
        namedObjects.clear();
    }

    tLogoTestWorld world;
    tTestObject box, base;
};

TEST_F(NameResolutionTest, QualifiedCallsRunInTheirObject)
{
    EXPECT_EQ(world.Run("where box'where where"), "main\nbox\nmain\n");
    EXPECT_EQ(world.Run("box'tellwhere"), "box\n");
    EXPECT_EQ(world.context->currentObject, &world.main);
    EXPECT_TRUE(world.context->askStack.empty());
}

// Resolved names are remembered; every change of the tables or of the chain must show at once.
TEST_F(NameResolutionTest, ChangesOfTheChainShowAtOnce)
{
    EXPECT_EQ(world.Run("box'tellwhere box'tellwhere"), "box\nbox\n");
    box.methods->Erase(nameCode("where"));
    EXPECT_EQ(world.Run("box'tellwhere"), "main\n");
    DefineFromText(*base.methods, "to where\nprint \"base\nend");
    EXPECT_EQ(world.Run("box'tellwhere"), "base\n");
    box.parent = &world.main;  // a rebuilt chain is announced, as objects do
    noteNameTablesChanged();
    EXPECT_EQ(world.Run("box'tellwhere"), "main\n");
    world.main.methods->Erase(nameCode("where"));
    EXPECT_EQ(world.ErrorOf("box'tellwhere").key, erDoNotKnowHowTo);
}

TEST_F(NameResolutionTest, InheritedCallsTakeTheNextDefinitionUp)
{
    EXPECT_EQ(world.Run("box'hello"), "box\nbase\n");
    EXPECT_EQ(world.ErrorOf("base'hello").key, erNoObject);
}

TEST_F(NameResolutionTest, AnObjectNameRunsItsDefaultAction)
{
    DefineFromText(*box.methods, "to defaultaction :x\nprint :x * 2\nend");
    EXPECT_EQ(world.Run("box 21"), "42\n");
    EXPECT_EQ(world.Run("box'box 4"), "8\n");
}

TEST_F(NameResolutionTest, FailuresLeaveTheContextAsItWas)
{
    const struct {
        const char* line;
        errorConst key;
    } cases[] = {
        {"nobody'where", erNoObject},
        {"box'nosuch", erDoNotKnowHowTo},
        {"box'where 1", erWhatToDo},
        {"box'hello box", erDoNotKnowHowTo},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(world.ErrorOf(c.line).key, c.key) << c.line;
        EXPECT_EQ(world.context->currentObject, &world.main) << c.line;
        EXPECT_TRUE(world.context->askStack.empty()) << c.line;
    }
}

TEST_F(NameResolutionTest, AskContextsNestAtMostAThousandDeep)
{
    tProcessContext& context = *world.context;
    for (size_t i = 0; i < tProcessContext::kAskLimit; ++i) context.PushAskInto(&box);
    try {
        context.PushAskInto(&box);
        ADD_FAILURE();
    } catch (eLogoException& error) {
        EXPECT_EQ(error.key, erDeepAsk);
    }
    while (!context.askStack.empty()) context.PopAsk();
    EXPECT_EQ(context.currentObject, &world.main);
    try {
        context.PopAsk();
        ADD_FAILURE();
    } catch (eLogoException& error) {
        EXPECT_EQ(error.key, erInternPopWho);
    }
}

TEST_F(NameResolutionTest, DirectCallsLeaveNoTailCallBehind)
{
    world.Define("to down :n\nif :n = 0 [stop]\nprint :n\ndown :n - 1\nend");
    auto* down = static_cast<tProcDesc*>(world.main.methods->FindEntry(nameCode("down")));
    world.context->stack.push(NewInteger(2));
    down->CallDirectCommand(world.context->stack, 1);
    EXPECT_EQ(world.context->pendingCall.descriptor, nullptr);
    EXPECT_EQ(world.context->exitRequested, 0);
    EXPECT_EQ(world.printed, "2\n1\n");
    EXPECT_EQ(world.context->stack.height(), 1);
    EXPECT_EQ(world.context->stack.top(), nullptr);
}

}  // namespace
