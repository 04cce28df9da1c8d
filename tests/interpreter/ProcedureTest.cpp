#include <gtest/gtest.h>

#include "LogoTestWorld.h"
#include "interpreter/ProcedureDefinition.h"
#include "interpreter/tLogoLocaltab.h"
#include "interpreter/tLogoProcDesc.h"
#include "language/Language.h"
#include "values/LogoReader.h"
#include "values/tLogoList.h"
#include "values/tLogoInt.h"
#include "values/valuePools.h"

namespace {

class ProcedureTest : public ::testing::Test {
protected:
    tLogoTestWorld world;

    tTabDesc* Entry(const char* name) { return world.main.methods->FindEntry(nameCode(name)); }
};

TEST_F(ProcedureTest, OutputStopAndFallingOffTheEnd)
{
    world.Define("to double :x\noutput :x * 2\nend");
    world.Define("to early\nprint 1\nstop\nprint 2\nend");
    world.Define("to inrepeat\nrepeat 5 [if repcount = 3 [output repcount]]\nend");
    world.Define("to paren\n(output 8)\nend");
    EXPECT_EQ(world.Run("print double 21"), "42\n");
    EXPECT_EQ(world.Run("early"), "1\n");
    EXPECT_EQ(world.Run("print inrepeat"), "3\n");
    EXPECT_EQ(world.Run("print paren"), "8\n");
    EXPECT_EQ(world.Run("print double double 3"), "12\n");
}

TEST_F(ProcedureTest, DynamicScopeHidesAndRestores)
{
    world.Define("to outer :x\ninner\nprint :x\nend");
    world.Define("to inner\nprint :x\nlocal \"x\nmake \"x \"innerx\nprint :x\nmake \"fresh 5\nend");
    world.Run("make \"x \"globalx");
    EXPECT_EQ(world.Run("outer \"outerx"), "outerx\ninnerx\nouterx\n");
    EXPECT_EQ(world.Global("x")->PrintText(0), "globalx");
    // Nobody had bound "fresh": it became global.
    ASSERT_NE(world.Global("fresh"), nullptr);
    EXPECT_EQ(world.Global("fresh")->PrintText(0), "5");
    EXPECT_EQ(world.ErrorOf("local \"y").key, erWrongPlace);
}

TEST_F(ProcedureTest, RestInputs)
{
    world.Define("to f :args [2]\nprint :args\nend");
    EXPECT_EQ(world.Run("f 1 2"), "1 2\n");
    EXPECT_EQ(world.Run("(f 1 2 3)"), "1 2 3\n");
    EXPECT_EQ(world.Run("(f)"), "\n");
    auto* procedure = dynamic_cast<tLogoProcDescV*>(Entry("f"));
    ASSERT_NE(procedure, nullptr);
    EXPECT_EQ(procedure->inputs, 2);
    tLogoRef<tlogoobject> body(procedure->Body());
    EXPECT_EQ(body->PrintText(1), "[[args [2]] [print :args]]");
}

TEST_F(ProcedureTest, FixedInputCountIsChecked)
{
    world.Define("to two :a :b\nprint :a + :b\nend");
    tProcDesc* procedure = static_cast<tProcDesc*>(Entry("two"));
    world.context->stack.push(NewInteger(1));
    try {
        procedure->CallCommand(world.context->stack, 1);
        ADD_FAILURE();
    } catch (eLogoException& error) {
        EXPECT_EQ(error.key, erNotEnoughInputs);
    }
    // A procedure without variable inputs takes its two; the third stands where ")" must.
    EXPECT_EQ(world.ErrorOf("(two 1 2 3)").key, erMissingRpar);
}

TEST_F(ProcedureTest, TailRecursionRunsInConstantDepth)
{
    world.Define("to countdown :n\nif :n = 0 [stop]\nmake \"deepest nesting\ncountdown :n - 1\nend");
    runOnProcessStack([&] {
        tContextScope scope(*world.context);
        world.Run("countdown 100000");
    });
    // The top-level run, the body and the "make" input: the same at every level.
    EXPECT_EQ(world.Global("deepest")->PrintText(0), "2");
    EXPECT_EQ(world.context->nesting, 0);
    EXPECT_EQ(world.context->stack.height(), 0);
    EXPECT_FALSE(world.context->localTable->FrameOpen());
    EXPECT_EQ(world.context->localTable->FindEntry(nameCode("n")), nullptr);
}

TEST_F(ProcedureTest, OutputOfACallClosingTheBodyRunsInConstantDepth)
{
    world.Define("to sumto :n :acc\nif :n = 0 [output :acc]\nmake \"deepest nesting\noutput sumto :n - 1 :acc + 1\nend");
    runOnProcessStack([&] {
        tContextScope scope(*world.context);
        EXPECT_EQ(world.Run("print sumto 100000 0"), "100000\n");
    });
    EXPECT_EQ(world.Global("deepest")->PrintText(0), "2");
    EXPECT_FALSE(world.context->localTable->FrameOpen());
    EXPECT_EQ(world.context->stack.height(), 0);
    // Called as a command, the value it outputs has nowhere to go.
    EXPECT_EQ(world.ErrorOf("sumto 3 0").key, erWhatToDo);
}

TEST_F(ProcedureTest, OutputOfACallThatDoesNotReport)
{
    world.Define("to silent :x\nmake \"s :x\nend");
    world.Define("to relaysilent :x\noutput silent :x\nend");
    world.Define("to chain :x\noutput relayquiet :x\nend");
    world.Define("to relayquiet :x\nsilent :x\nend");
    world.Define("to plusone :x\noutput silent :x + 1\nend");
    const struct {
        const char* line;
        const char* silent;
    } cases[] = {{"print relaysilent 1", "silent"},
                 {"relaysilent 1", "silent"},
                 {"print chain 1", "relayquiet"},
                 {"print plusone 1", "silent"}};
    for (const auto& c : cases) {
        eLogoException error = world.ErrorOf(c.line);
        EXPECT_EQ(error.key, erDidNotReport) << c.line;
        EXPECT_EQ(codeName(error.culpritName), c.silent) << c.line;
        EXPECT_EQ(error.needingProcedure, "output") << c.line;
        EXPECT_FALSE(world.context->localTable->FrameOpen()) << c.line;
        EXPECT_EQ(world.context->pendingCall.descriptor, nullptr) << c.line;
    }
}

TEST_F(ProcedureTest, TestStateIsEveryProceduresOwn)
{
    // b is carried out by a's trampoline; c's own tail-call chain runs inside b.
    world.Define("to a\nb\nend");
    world.Define("to b\n(print teststate)\ntest \"false\nc\nprint teststate\nend");
    world.Define("to c\ntest \"true\nd\nend");
    world.Define("to d\nprint teststate\nend");
    EXPECT_EQ(world.Run("test \"true a print teststate"), "2\n2\n0\n1\n");
}

TEST_F(ProcedureTest, TopLevelCallAtTheEndRunsAtOnce)
{
    world.Define("to last\nprint \"ran\nend");
    EXPECT_EQ(world.Run("print 1 last"), "1\nran\n");
    EXPECT_EQ(world.context->pendingCall.descriptor, nullptr);
    EXPECT_EQ(world.context->exitRequested, 0);
}

TEST_F(ProcedureTest, TailCallInValuePositionDoesNotReport)
{
    world.Define("to reporter\noutput 5\nend");
    world.Define("to relay :v\nreporter\nend");
    eLogoException error = world.ErrorOf("print relay 1");
    EXPECT_EQ(error.key, erDidNotReport);
    EXPECT_EQ(codeName(error.culpritName), "relay");
    EXPECT_EQ(error.needingProcedure, "print");
    // No input or local of either procedure is still bound.
    EXPECT_EQ(world.context->localTable->FindEntry(nameCode("v")), nullptr);
    EXPECT_FALSE(world.context->localTable->FrameOpen());
    EXPECT_EQ(world.context->pendingCall.descriptor, nullptr);
}

TEST_F(ProcedureTest, ProcedureWithoutOutputNamesBothProcedures)
{
    world.Define("to quiet\nmake \"q 1\nend");
    eLogoException error = world.ErrorOf("print quiet");
    EXPECT_EQ(error.key, erDidNotReport);
    EXPECT_EQ(codeName(error.culpritName), "quiet");
    EXPECT_EQ(error.needingProcedure, "print");
}

TEST_F(ProcedureTest, DefinitionFromTextKeepsSameTextAndDropsComments)
{
    const char* text = "to greet :who\n; say hello\nprint :who\nend";
    world.Define(text);
    tTabDesc* first = Entry("greet");
    world.Define(text);
    EXPECT_EQ(Entry("greet"), first);
    EXPECT_EQ(world.Run("greet \"ann"), "ann\n");
    tLogoRef<tlogoobject> body(static_cast<tProcDesc*>(first)->Body());
    EXPECT_EQ(body->PrintText(1), "[[who] [print :who]]");
    world.Define("to GREET :who\nprint 1\nend");
    EXPECT_NE(Entry("greet"), first);
}

TEST_F(ProcedureTest, DefinitionErrors)
{
    const struct {
        const char* text;
        errorConst key;
    } cases[] = {
        {"print 1\nend", erMissingTO},
        {"to\nend", erMissingToName},
        {"to [x]\nend", erMissingToName},
        {"to 3.5\nend", erBadProcName},
        {"to print\nprint 1\nend", erRedefinePrimitiveProc},
        {"to f [x]\nend", erExpectWord},
    };
    for (const auto& c : cases) {
        try {
            world.Define(c.text);
            ADD_FAILURE() << "accepted: " << c.text;
        } catch (eLogoException& error) {
            EXPECT_EQ(error.key, c.key) << c.text;
        }
    }
}

TEST_F(ProcedureTest, DefinitionListChecks)
{
    const struct {
        const char* name;
        const char* definition;
        errorConst key;
    } cases[] = {
        {"", "[[] [print 1]]", erBadProcName},
        {"\"q", "[[] [print 1]]", erBadProcName},
        {":q", "[[] [print 1]]", erBadProcName},
        {"a b", "[[] [print 1]]", erBadProcName},
        {"1e3", "[[] [print 1]]", erBadProcName},
        {"ok", "[]", erEmptyList},
        {"ok", "[[] print]", erBadStructure},
        {"ok", "[[x []] [print 1]]", erExpectWord},
    };
    for (const auto& c : cases) {
        tLogoRef<tLogoList> definition(ListFromText(c.definition, false));
        try {
            DefineFromList(*world.main.methods, c.name, definition->first);
            ADD_FAILURE() << "accepted: " << c.name << " " << c.definition;
        } catch (eLogoException& error) {
            EXPECT_EQ(error.key, c.key) << c.name << " " << c.definition;
        }
    }
    // Hexadecimal texts are names, not numbers.
    tLogoRef<tLogoList> definition(ListFromText("[[] [output 1]]", false));
    DefineFromList(*world.main.methods, "x1A", definition->first);
    EXPECT_NE(Entry("x1A"), nullptr);
}

TEST_F(ProcedureTest, TheBodyIsNotTheDefinitionListsTail)
{
    // Running the definition's tail as instructions while the procedure runs must not disturb
    // the procedure's compiled body.
    world.Run("make \"d [[] [catch \"error [run butfirst :d]] [print \"after]]");
    DefineFromList(*world.main.methods, "usesdef", world.Global("d"));
    EXPECT_EQ(world.Run("usesdef"), "after\n");
    EXPECT_EQ(world.context->caughtError.key, erWhatToDo);
}

TEST_F(ProcedureTest, RedefiningARunningProcedureFails)
{
    tLogoRef<tLogoList> definition(ListFromText("[[] [print 2]]", false));
    world.Define("to busy\nprint 1\nend");
    auto* procedure = static_cast<tProcDesc*>(Entry("busy"));
    ++procedure->running;
    try {
        DefineFromList(*world.main.methods, "busy", definition->first);
        ADD_FAILURE();
    } catch (eLogoException& error) {
        EXPECT_EQ(error.key, erRedefineUsedProc);
    }
    --procedure->running;
    DefineFromList(*world.main.methods, "busy", definition->first);
    EXPECT_EQ(world.Run("busy"), "2\n");
}

TEST_F(ProcedureTest, TemplateInputsAreVariables)
{
    tLogoRef<tLogoList> line(ListFromText("output % * %", false));
    auto procedure = BuildTemplateProcedure(nameCode("apply.template1"), {nameCode("%")}, line.get());
    world.context->stack.push(NewInteger(7));
    procedure->CallDirectOperation(world.context->stack, 1);
    EXPECT_EQ(world.context->stack.top()->PrintText(0), "49");
    world.context->stack.drop();

    tLogoRef<tLogoList> two(ListFromText("output %1 - %2", false));
    auto pair = BuildTemplateProcedure(nameCode("map.template1"), {nameCode("%1"), nameCode("%2")}, two.get());
    world.context->stack.push(NewInteger(10));
    world.context->stack.push(NewInteger(3));
    pair->CallDirectOperation(world.context->stack, 2);
    EXPECT_EQ(world.context->stack.top()->PrintText(0), "7");
    world.context->stack.drop();
}

}  // namespace
