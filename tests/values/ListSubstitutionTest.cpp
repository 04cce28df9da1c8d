#include <gtest/gtest.h>

#include "ListTestSupport.h"
#include "values/tLogoString.h"
#include "values/valuePools.h"

namespace {

// Stands in for the evaluator: the value of an expression is the word <its print form>.
tlogoobject* describe(tlogoobject& expression)
{
    return AddRef(new tLogoString("<" + expression.PrintText(0) + ">"));
}

class ListSubstitution : public testing::Test {
protected:
    static void SetUpTestSuite() { setUpListLayer(); }

    tEvaluatorOverride evaluator{{.evaluate = describe}};
};

TEST_F(ListSubstitution, VariablesAndGroupsEverywhere)
{
    EXPECT_EQ(outcome("[a :x [b [:y]] (sum 1 (2)) c]", LIST_OPERATION(l.Substitute())),
              "[a <:x> [b [<:y>]] <( sum 1 ( 2 ) )> c]");
    EXPECT_EQ(outcome("[a ( b]", LIST_OPERATION(l.Substitute())), "[a <( b>]");
    EXPECT_EQ(outcome("[: 3 \":x]", LIST_OPERATION(l.Substitute())), "[<:> 3 \":x]");
}

TEST_F(ListSubstitution, EvenPositionsOnly)
{
    EXPECT_EQ(outcome("[:a :x :y [:z] k (b) c]", LIST_OPERATION(l.SubstituteEven())),
              "[:a <:x> :y [:z] k <( b )> c]");
}

TEST_F(ListSubstitution, EmptyListYieldsItself)
{
    tLogoRef<tLogoList> empty(new tLogoList);
    EXPECT_EQ(empty->Substitute(), empty.get());
    EXPECT_EQ(empty->SubstituteEven(), empty.get());
}

TEST_F(ListSubstitution, WithoutAnEvaluatorItFailsInsteadOfCopying)
{
    setListEvaluator({});
    EXPECT_EQ(outcome("[:x]", LIST_OPERATION(l.Substitute())), "error erInternExecute");
    EXPECT_EQ(outcome("[x]", LIST_OPERATION(l.Substitute())), "[x]");
}

}  // namespace
