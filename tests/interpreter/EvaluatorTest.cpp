#include <gtest/gtest.h>

#include "LogoTestWorld.h"
#include "interpreter/Evaluator.h"
#include "interpreter/tCompiledForm.h"
#include "language/Language.h"
#include "values/LogoReader.h"
#include "values/tLogoList.h"

namespace {

class EvaluatorTest : public ::testing::Test {
protected:
    tLogoTestWorld world;
};

struct tPrintCase {
    const char* line;
    const char* printed;
};

TEST_F(EvaluatorTest, InfixPrecedenceAndSigns)
{
    const tPrintCase cases[] = {
        {"print 3 - 2", "1\n"},
        {"print (- 2)", "-2\n"},
        {"print - 3 * 4", "-12\n"},
        {"print 3 - -4", "7\n"},
        {"print 3-(-4)", "7\n"},
        {"print 2 + 3 * 4", "14\n"},
        {"print (2 + 3) * 4", "20\n"},
        {"print 10 - 4 - 3", "3\n"},
        {"print 1 = 1", "true\n"},
        {"print 1 + 1 = 2", "true\n"},
        {"print (sum 1 2 = 3)", "true\n"},
        {"print sum 1 2", "3\n"},
        {"print (sum 1 2 3 4)", "10\n"},
        {"(print 1 2 3)", "1 2 3\n"},
        {"print [a [b c]]", "a [b c]\n"},
        {"print \"abc", "abc\n"},
        {"print first [x y]", "x\n"},
        // A parenthesised group after a complete input is the next statement.
        {"make \"n 10 print :n (make \"n 6) print :n", "10\n6\n"},
    };
    for (const tPrintCase& c : cases) EXPECT_EQ(world.Run(c.line), c.printed) << c.line;
}

TEST_F(EvaluatorTest, ComparisonsDoNotChain)
{
    // The second "=" is left unread by print's input and fails as a statement start.
    EXPECT_EQ(world.ErrorOf("print 1 = 1 = true").key, erWrongSequence);
}

TEST_F(EvaluatorTest, UnaryRewriteStaysInTheCachedForm)
{
    tLogoRef<tLogoList> line(ListFromText("print - 5", false));
    tCompiledForm& form = CompiledForm(line.get(), tCompiledForm::kInstructions);
    EXPECT_EQ(form.tokens[1].kind, tkAdditive);
    RunList(form);
    EXPECT_EQ(form.tokens[1].kind, tkUnarySign);
    EXPECT_EQ(form.tokens[1].code, nameCode("<unary ->"));
    EXPECT_EQ(world.printed, "-5\n");
}

struct tErrorCase {
    const char* line;
    errorConst key;
};

TEST_F(EvaluatorTest, StatementErrors)
{
    const tErrorCase cases[] = {
        {"print 1 2 3", erWhatToDo},
        {"print 3 (4)", erWhatToDo},
        {"print 3 -2", erWhatToDo},
        {"5", erWhatToDo},
        {"+ 3", erWrongSequence},
        {")", erWrongSequence},
        {"print (1 + 2", erMissingRpar},
        {"(print 1", erMissingRpar},
        {"print", erNotEnoughInputs},
        {"nosuchname 1", erDoNotKnowHowTo},
        {"print :nosuchvariable", erNoVal},
        {"print 1 / 0 * 2", erDiv0},
        {"print true + 1", erDoNotKnowHowTo},
        {"print \"abc + 1", erExpectNumber},
        {"print not 5", erNotBool},
    };
    for (const tErrorCase& c : cases) EXPECT_EQ(world.ErrorOf(c.line).key, c.key) << c.line;
}

TEST_F(EvaluatorTest, ErrorsCarryTheCulpritAndTheProcedure)
{
    eLogoException leftOver = world.ErrorOf("print 1 2");
    ASSERT_TRUE(leftOver.culprit);
    EXPECT_EQ(leftOver.culprit->PrintText(0), "2");
    EXPECT_EQ(world.printed, "1\n");

    eLogoException unknown = world.ErrorOf("print frobnicate");
    EXPECT_EQ(codeName(unknown.culpritName), "frobnicate");
    EXPECT_EQ(unknown.needingProcedure, "frobnicate");

    eLogoException division = world.ErrorOf("print 1 / 0");
    EXPECT_EQ(division.key, erDiv0);
    EXPECT_EQ(division.needingProcedure, "/");
    eLogoException root = world.ErrorOf("print sqrt -1");
    EXPECT_EQ(root.key, erReal);
    EXPECT_EQ(root.needingProcedure, "sqrt");

    eLogoException short_ = world.ErrorOf("make \"x");
    EXPECT_EQ(short_.needingProcedure, "make");
}

TEST_F(EvaluatorTest, PositionTrailCountsTokensOfEveryLevel)
{
    // Each level records the token after the last one it read. Outer list: print, 1, repeat,
    // 2, [list] -> 6 (End); inner: print, :x -> 3.
    eLogoException error = world.ErrorOf("print 1 repeat 2 [print :x]");
    ASSERT_EQ(error.positions.size(), 2u);
    EXPECT_EQ(error.positions[0], 3);
    EXPECT_EQ(error.positions[1], 6);
    EXPECT_EQ(world.ErrorOf("print 1 nosuch print 2").positions, std::vector<int32_t>{4});
}

TEST_F(EvaluatorTest, AListRecompiledInAnotherModeWhileItRunsFinishesItsRun)
{
    // The list's cached form is replaced under the running list; its quoted words live in the
    // form that is still running. The list ends in a list, so its clause form can be made.
    for (int mode : {tCompiledForm::kLines, tCompiledForm::kClauses, tCompiledForm::kTemplateLines}) {
        std::string line = "make \"l [print compileas " + std::to_string(mode) + " :l print \"after print [done]]";
        world.Run(line);
        EXPECT_EQ(world.Run("run :l"), "0\nafter\ndone\n") << line;
        EXPECT_EQ(world.Run("repeat 2 [run :l]"), "0\nafter\ndone\n0\nafter\ndone\n") << line;
    }
    world.Run("make \"e [sum compileas 2 :e sum 2 3]");
    EXPECT_EQ(EvaluateList(CompiledForm(world.Global("e"), tCompiledForm::kInstructions))->PrintText(0), "5");
}

TEST_F(EvaluatorTest, EvaluateListWantsExactlyOneExpression)
{
    tLogoRef<tLogoList> one(ListFromText("2 * 21", false));
    EXPECT_EQ(EvaluateList(CompiledForm(one.get(), 0))->PrintText(0), "42");

    const tErrorCase extras[] = {{"1 2", erWhatToDo}, {"1 print 2", erDidNotReport}, {"", erWrongSequence}};
    for (const tErrorCase& c : extras) {
        tLogoRef<tLogoList> list(ListFromText(c.line, false));
        try {
            EvaluateList(CompiledForm(list.get(), 0));
            ADD_FAILURE() << "accepted: " << c.line;
        } catch (eLogoException& error) {
            EXPECT_EQ(error.key, c.key) << c.line;
        }
    }
    tLogoRef<tLogoList> condition(ListFromText("3 > 2", false));
    EXPECT_TRUE(EvaluateCondition(condition.get()));
}

TEST_F(EvaluatorTest, TextRunsRestoreTheStack)
{
    int height = world.context->stack.height();
    world.ErrorOf("print 1 + (2 * nosuch)");
    EXPECT_EQ(world.context->stack.height(), height);
    world.Run("print 1");
    EXPECT_EQ(world.context->stack.height(), height);
}

TEST_F(EvaluatorTest, TopLevelOutputIsMisplacedButStopIsAccepted)
{
    eLogoException error = world.ErrorOf("output 3");
    EXPECT_EQ(error.key, erWrongPlace);
    EXPECT_EQ(error.needingProcedure, "output");
    EXPECT_EQ(world.Run("repeat 3 [print repcount stop] print 9"), "1\n");
    // The next line runs normally: the exit request was cleared.
    EXPECT_EQ(world.Run("print 2"), "2\n");
    // With no procedure to end, "output" in a nested list fails where it stands: an error catch
    // around it gets the error, and the rest of the line runs.
    EXPECT_EQ(world.Run("catch \"error [print 1 output 5 print 2] print 3"), "1\n3\n");
    EXPECT_EQ(world.context->caughtError.key, erWrongPlace);
    EXPECT_EQ(world.context->caughtError.needingProcedure, "output");
    EXPECT_EQ(world.ErrorOf("repeat 3 [print repcount output 5]").key, erWrongPlace);
    EXPECT_EQ(world.printed, "1\n");
    // Inside a procedure it still ends the procedure, through the catch and the loop.
    world.Define("to firstbig :n\ncatch \"error [repeat 5 [if repcount * :n > 10 [output repcount]]]\noutput 0\nend");
    EXPECT_EQ(world.Run("print firstbig 4 print firstbig 1"), "3\n0\n");
}

TEST_F(EvaluatorTest, NestingLimitFailsWithStackOverflow)
{
#if defined(__SANITIZE_THREAD__)
    // The thread sanitizer cannot record call stacks this deep and aborts inside itself.
    GTEST_SKIP() << "call stacks deeper than the thread sanitizer can record";
#endif
    // Not a tail call: every level adds the body run and the "if" list run.
    world.Define("to deep :n\nif :n > 0 [deep :n - 1]\nend");
    runOnProcessStack([&] {
        tContextScope scope(*world.context);
        EXPECT_EQ(world.ErrorOf("deep 6000").key, erStackOverflow);
        EXPECT_EQ(world.context->nesting, 0);
        EXPECT_NO_THROW(world.Run("deep 4900"));
    });
}

TEST_F(EvaluatorTest, RunsCheckThatTheCallerHoldsTheLock)
{
    static bool held;
    setLockHeldCheck([] { return held; });
    held = true;
    EXPECT_EQ(world.Run("print 1"), "1\n");
    held = false;
    EXPECT_DEBUG_DEATH(world.Run("print 2"), "lockHeldByCaller");
    setLockHeldCheck(nullptr);
}

TEST_F(EvaluatorTest, WordsRunAsInstructionLists)
{
    world.Run("make \"code \"|print 7|");
    tlogoobject* code = world.Global("code");
    ASSERT_NE(code, nullptr);
    RunInstructions(code);
    EXPECT_EQ(world.printed, "7\n");
}

}  // namespace
