#include <gtest/gtest.h>

#include "ListTestSupport.h"

namespace {

class ListVectors : public testing::Test {
protected:
    static void SetUpTestSuite() { setUpListLayer(); }
};

TEST_F(ListVectors, SumAndDifference)
{
    checkCases("+", LIST_OPERATION(l.Add(x)), {
        {"[1 2]", "[10 20]", "[11 22]"},
        {"[[0 0] [1 1]]", "[5 5]", "[[5 5] [6 6]]"},
        {"[5 5]", "[[0 0] [] [1 1]]", "[[5 5] [] [6 6]]"},
        {"[1.5 2]", "[1 2147483647]", "[2.5 2.14748E9]"},
        {"[1 2]", "[1 2 3]", "error erBadStructure"},
        {"[1 2]", "3", "error erBadStructure"},
        {"[[0 0]]", "[1 2 3]", "error erBadStructure"},
        {"[1 2 3]", "[[0 0]]", "error erBadStructure"},
        {"[a 2]", "[1 2]", "error erBadStructure"},
        {"[[0 0] a]", "[1 2]", "error erBadStructure"},
        {"[]", "[]", "error erBadStructure"},
    });
    checkCases("-", LIST_OPERATION(l.Subtract(x)), {
        {"[5 5]", "[[1 1] [2 3]]", "[[4 4] [3 2]]"},
        {"[[1 1]]", "[5 5]", "[[-4 -4]]"},
        {"[5 6]", "[1 2]", "[4 4]"},
    });
    checkCases("difference", LIST_OPERATION(l.Difference(x)), {
        {"[5 6]", "1", "[4 5]"},
        {"[5 6]", "[1 2]", "[4 4]"},
        {"[5 6]", "[1]", "error erBadStructure"},
        {"[[1 1]]", "1", "error erBadStructure"},
    });
}

TEST_F(ListVectors, ProductAndQuotient)
{
    checkCases("*", LIST_OPERATION(l.Multiply(x)), {
        {"[1 2]", "3", "[3 6]"},
        {"[1 2]", "[3 4]", "[3 8]"},
        {"[[1 2] [] [3 4]]", "2", "[[2 4] [] [6 8]]"},
        {"[[1 2]]", "[2 3]", "[[2 6]]"},
        {"[2 3]", "[[1 2]]", "[[2 6]]"},
        {"[1 a]", "2", "error erBadStructure"},
        {"[]", "2", "error erBadStructure"},
        {"[[1 2]]", "[2 3 4]", "error erBadStructure"},
    });
    checkCases("/", LIST_OPERATION(l.Divide(x)), {
        {"[6 8]", "2", "[3 4]"},
        {"[[6 8]]", "[2 4]", "[[3 2]]"},
        {"[12 12]", "[[3 4]]", "[[4 3]]"},
    });
    checkCases("div", LIST_OPERATION(l.Div(x)), {{"[7 -7]", "2", "[3 -4]"}, {"[7 9]", "[2 4]", "[3 2]"}});
    checkCases("mod", LIST_OPERATION(l.Mod(x)), {{"[7 -7]", "2", "[1 1]"}, {"[7 7]", "[-2 3]", "[-1 1]"}});
}

TEST_F(ListVectors, ElementWiseFunctions)
{
    checkCases("negate", LIST_OPERATION(l.Negate()), {
        {"[1 -2]", "", "[-1 2]"},
        {"[[1 2] [] [3 4]]", "", "[[-1 -2] [] [-3 -4]]"},
        {"[a]", "", "error erBadStructure"},
    });
    checkCases("unary plus", LIST_OPERATION(l.UnaryPlus()), {{"[[1 2] []]", "", "[[1 2] []]"}, {"[1 -2]", "", "[1 -2]"}});
    checkCases("int", LIST_OPERATION(l.Int()), {{"[1.5 -2.7]", "", "[1 -2]"}, {"[[1.5 1]]", "", "error erBadStructure"}});
    checkCases("round", LIST_OPERATION(l.Round()), {{"[2.5 -2.5 1]", "", "[3 -3 1]"}});
    checkCases("abs", LIST_OPERATION(l.Abs()), {
        {"[3 4]", "", "5"},
        {"[-2]", "", "2"},
        {"[]", "", "error erEmptyList"},
        {"[3 a]", "", "error erBadStructure"},
    });
}

TEST_F(ListVectors, RandomStaysWithinEachElement)
{
    tLogoRef<tLogoList> limits = listOf("[1 5 -3]");
    for (int round = 0; round < 50; ++round) {
        tLogoRef<tlogoobject> drawn(limits->Random());
        tLogoList* values = static_cast<tLogoList*>(drawn.get());
        EXPECT_EQ(values->first->AsInteger(), 0);
        EXPECT_GE(values->rest->first->AsInteger(), 0);
        EXPECT_LE(values->rest->first->AsInteger(), 4);
        EXPECT_GE(values->rest->rest->first->AsInteger(), -2);
        EXPECT_LE(values->rest->rest->first->AsInteger(), 0);
    }
}

TEST_F(ListVectors, VectorAngleAndRotation)
{
    checkCases("vectorangle", LIST_OPERATION(l.VectorAngle(x)), {
        {"[0 1]", "[1 0]", "90"},
        {"[1 0]", "[0 1]", "270"},
        {"[0 0]", "[0 -1]", "180"},
        {"[1 1]", "[1 1]", "0"},
        {"[1 2 3]", "[0 1]", "error erBadStructure"},
        {"[0 1]", "x", "error erBadStructure"},
    });
    checkCases("rotate", LIST_OPERATION(l.Rotate(x)), {
        {"[0 1]", "90", "[1 0]"},
        {"[1 0]", "180", "[-1 0]"},
        {"[1 0]", "-90", "[0 1]"},
        {"[[1 0] [] [0 1]]", "90", "[[0 -1] [] [1 0]]"},
        {"[2 0]", "60", "[1 -1.73205]"},
        {"[1 2 3]", "90", "error erBadStructure"},
    });
}

TEST_F(ListVectors, RandomPositionInARectangle)
{
    struct {
        const char* rectangle;
        int xLow, xHigh, yLow, yHigh;
    } cases[] = {
        {"[[0 0] [10 20]]", 0, 9, -19, 0},
        {"[0 0 10 20]", 0, 9, -19, 0},
        {"[[0 0] 10 20]", 0, 9, -19, 0},
        {"[0 0 [-4 -2]]", -3, 0, 0, 1},
        {"[5 5 0 10]", 5, 5, 5, 5},
        {"[5 5 7 0]", 5, 5, 5, 5},
    };
    for (const auto& c : cases) {
        tLogoRef<tLogoList> rectangle = listOf(c.rectangle);
        for (int round = 0; round < 50; ++round) {
            tLogoRef<tlogoobject> drawn(rectangle->RandomPos());
            tLogoList* p = static_cast<tLogoList*>(drawn.get());
            ASSERT_EQ(p->Count(), 2) << c.rectangle;
            EXPECT_TRUE(p->first->IsInteger());
            EXPECT_GE(p->first->AsInteger(), c.xLow) << c.rectangle;
            EXPECT_LE(p->first->AsInteger(), c.xHigh) << c.rectangle;
            EXPECT_GE(p->rest->first->AsInteger(), c.yLow) << c.rectangle;
            EXPECT_LE(p->rest->first->AsInteger(), c.yHigh) << c.rectangle;
        }
    }
    checkCases("randompos", LIST_OPERATION(l.RandomPos()), {
        {"[]", "", "error erEmptyList"},
        {"[1 2 3]", "", "error erBadStructure"},
        {"[1 2 3 4 5]", "", "error erBadStructure"},
        {"[[1 2] [3 4] [5 6]]", "", "error erBadStructure"},
        {"[[1 2 3] [3 4]]", "", "error erBadStructure"},
    });
}

TEST_F(ListVectors, Spline)
{
    checkCases("spline", LIST_OPERATION(l.Spline()), {
        {"[[0 0] [10 0]]", "", "[[0 0] [10 0]]"},
        {"[[0 0] [] [5 5]]", "", "[[0 0] [] [5 5]]"},
        {"[[] [0 0] [] [] [1 1] []]", "", "[[0 0] [] [1 1]]"},
        {"[[0 0] [1 0] [2 0]]", "",
         "[[0 0] [0.14 0] [0.33 0] [0.55 0] [0.78 0] [1 0] [1.22 0] [1.45 0] [1.67 0] [1.86 0] [2 0]]"},
        {"[]", "", "[]"},
        {"[[0 0] a]", "", "error erWrongPoints"},
        {"[[0 0 0]]", "", "error erWrongPoints"},
        {"[[]]", "", "error erWrongPoints"},
    });
}

}  // namespace
