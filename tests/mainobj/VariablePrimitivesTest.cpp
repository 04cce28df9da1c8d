#include <gtest/gtest.h>

#include "MainObjectWorld.h"

namespace {

struct tRunCase {
    const char* lines;
    const char* printed;
};

class VariablePrimitivesTest : public ::testing::TestWithParam<tRunCase> {};

TEST_P(VariablePrimitivesTest, Prints)
{
    tMainObjectWorld world;
    EXPECT_EQ(world.Run(GetParam().lines), GetParam().printed) << GetParam().lines;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, VariablePrimitivesTest,
    ::testing::Values(
        // A name nobody binds is a global; an input of a running procedure hides it.
        tRunCase{"make \"x 1 define \"p [[x] [make \"x 5 print :x]] p 2 print :x", "5\n1\n"},
        tRunCase{"name_command 7 \"y print thing \"y", "7\n"},
        // "inc" keeps integers integers and moves everything else to reals.
        tRunCase{"make \"n 2 inc \"n print :n", "3\n"},
        tRunCase{"make \"n 2.5 inc \"n print :n", "3.5\n"},
        tRunCase{"make \"n 1 (inc \"n 0.5) print :n", "1.5\n"},
        tRunCase{"make \"n 1 (dec \"n 4) print :n dec \"n print :n", "-3\n-4\n"},
        tRunCase{"make \"n 2147483647 inc \"n print :n > 2147483647", "true\n"},
        // "inc" stores through the innermost binding.
        tRunCase{"make \"n 1 define \"q [[n] [inc \"n print :n]] q 10 print :n", "11\n1\n"},
        // "let": words and values, lists of pairs with ":name" and "( ... )" values.
        tRunCase{"(let \"a 1 \"b 2) print :a + :b", "3\n"},
        tRunCase{"make \"v 4 (let [a :v b (2 * 3)]) print :a print :b", "4\n6\n"},
        tRunCase{"(let []) print \"ok", "ok\n"},
        tRunCase{"define \"r [[] [let \"z 9 print :z]] make \"z 1 r print :z", "9\n1\n"}));

struct tErrorCase {
    const char* lines;
    errorConst key;
};

class VariableErrorsTest : public ::testing::TestWithParam<tErrorCase> {};

TEST_P(VariableErrorsTest, Fails)
{
    tMainObjectWorld world;
    EXPECT_EQ(world.ErrorOf(GetParam().lines), errorConstName(GetParam().key)) << GetParam().lines;
}

INSTANTIATE_TEST_SUITE_P(Cases, VariableErrorsTest,
                         ::testing::Values(tErrorCase{"make \" 1", erEmptyWord},
                                           tErrorCase{"name_command 1 \"", erEmptyWord},
                                           tErrorCase{"print thing \"nowhere", erNoVal},
                                           tErrorCase{"inc \"nowhere", erNoVal},
                                           tErrorCase{"make \"w \"abc (inc \"w 1)", erExpectNumber},
                                           tErrorCase{"(inc)", erNotEnoughInputs},
                                           tErrorCase{"(inc \"a 1 2)", erTooManyInputs},
                                           tErrorCase{"(let \"a)", erNotEnoughInputs},
                                           tErrorCase{"local [a [b]]", erExpectWord}));

TEST(LetTest, PairsBeforeALoneNameAreBound)
{
    tMainObjectWorld world;
    EXPECT_EQ(world.ErrorOf("(let [a 1 b])"), "erBadStructure");
    EXPECT_EQ(world.Run("print :a"), "1\n");
}

}  // namespace
