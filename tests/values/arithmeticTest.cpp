#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "values/logoRandom.h"
#include "values/tLogoInt.h"
#include "values/tLogoReal.h"
#include "values/tLogoStack.h"
#include "values/tLogoString.h"
#include "valueTestSupport.h"

namespace {

tLogoWord* integer(int32_t v) { return new tLogoInt(v); }
tLogoWord* real(long double v) { return new tLogoReal(v); }
tLogoWord* word(const char* t) { return new tLogoString(t); }

struct tBinaryCase {
    const char* name;
    tLogoWord* receiver;
    tlogoobject* (tLogoWord::*operation)(tlogoobject*);
    tlogoobject* other;
    const char* resultClass;
    const char* resultText;
};

TEST(Arithmetic, IntegersMoveToRealsOnOverflow)
{
    const tBinaryCase cases[] = {
        {"max+1", integer(2147483647), &tLogoWord::Add, integer(1), "tLogoReal", "2.14748E9"},
        {"65536*65536", integer(65536), &tLogoWord::Multiply, integer(65536), "tLogoReal", "4.29497E9"},
        {"2+3.0", integer(2), &tLogoWord::Add, real(3.0L), "tLogoInt", "5"},
        {"3.0+2", real(3.0L), &tLogoWord::Add, integer(2), "tLogoReal", "5"},
        {"word 2 + 3", word("2"), &tLogoWord::Add, integer(3), "tLogoInt", "5"},
        {"word 2.5 - 1", word("2.5"), &tLogoWord::Subtract, integer(1), "tLogoReal", "1.5"},
        {"min-1", integer(-2147483647 - 1), &tLogoWord::Subtract, integer(1), "tLogoReal", "-2.14748E9"},
        {"3 - word 4", integer(3), &tLogoWord::Subtract, word("4"), "tLogoInt", "-1"},
        {"int + whole real beyond 32 bits", integer(1), &tLogoWord::Add, real(4294967296.0L), "tLogoReal",
         "4.29497E9"},
        {"7/2", integer(7), &tLogoWord::Divide, integer(2), "tLogoReal", "3.5"},
        {"6/3", integer(6), &tLogoWord::Divide, integer(3), "tLogoReal", "2"},
    };
    for (const tBinaryCase& c : cases) {
        tLogoRef<tLogoWord> receiver(c.receiver);
        tLogoRef<tlogoobject> result(((*receiver).*c.operation)(c.other));
        EXPECT_STREQ(result->ClassName(), c.resultClass) << c.name;
        EXPECT_EQ(result->WordText(), c.resultText) << c.name;
    }
}

TEST(Arithmetic, OverflowKeepsTheExactValueInReals)
{
    tLogoRef<tLogoWord> big(integer(65536));
    tLogoRef<tlogoobject> product(big->Multiply(integer(65536)));
    tLogoRef<tLogoWord> one(integer(1));
    tLogoRef<tlogoobject> sum(one->Add(product.get()));
    EXPECT_EQ(sum->AsReal(), 4294967297.0L);
    tLogoRef<tLogoWord> smallest(integer(-2147483647 - 1));
    tLogoRef<tlogoobject> negated(smallest->Negate());
    EXPECT_STREQ(negated->ClassName(), "tLogoReal");
    EXPECT_EQ(negated->AsReal(), 2147483648.0L);
}

TEST(Arithmetic, DivAndModFollowTheSignOfTheDivisor)
{
    struct {
        int32_t a, b, div, mod;
    } const cases[] = {
        {7, 2, 3, 1}, {7, -2, -4, -1}, {-7, 2, -4, 1}, {-7, -2, 3, -1}, {6, -3, -2, 0}, {0, 5, 0, 0},
    };
    for (const auto& c : cases) {
        tLogoRef<tLogoWord> a(integer(c.a));
        EXPECT_EQ(tLogoRef<tlogoobject>(a->Div(integer(c.b)))->AsInteger(), c.div) << c.a << " div " << c.b;
        EXPECT_EQ(tLogoRef<tlogoobject>(a->Mod(integer(c.b)))->AsInteger(), c.mod) << c.a << " mod " << c.b;
    }
    tLogoRef<tLogoWord> realReceiver(real(7.4L));
    EXPECT_EQ(textOf(realReceiver->Div(real(2.0L))), "3");
    tLogoRef<tLogoWord> smallest(integer(-2147483647 - 1));
    EXPECT_EQ(tLogoRef<tlogoobject>(smallest->Div(integer(-1)))->AsReal(), 2147483648.0L);
    EXPECT_EQ(raisedKey([&] { smallest->Div(integer(0)); }), erDiv0);
    EXPECT_EQ(raisedKey([&] { smallest->Mod(integer(0)); }), erDiv0);
    EXPECT_EQ(raisedKey([&] { smallest->Divide(real(0)); }), erDiv0);
}

TEST(Arithmetic, SumAndProductOverFurtherInputs)
{
    struct {
        const char* name;
        std::function<tLogoWord*()> receiver;
        std::vector<std::function<tlogoobject*()>> further;  // in input order
        bool product;
        const char* resultClass;
        long double value;
    } const cases[] = {
        {"sum 1 2 3.5", [] { return integer(1); }, {[] { return integer(2); }, [] { return real(3.5L); }}, false,
         "tLogoReal", 6.5L},
        {"sum max 1 1", [] { return integer(2147483647); }, {[] { return integer(1); }, [] { return integer(1); }},
         false, "tLogoReal", 2147483649.0L},
        {"sum 1 2 3", [] { return integer(1); }, {[] { return integer(2); }, [] { return word("3"); }}, false,
         "tLogoInt", 6},
        {"sum 1.5 1 1", [] { return real(1.5L); }, {[] { return integer(1); }, [] { return integer(1); }}, false,
         "tLogoReal", 3.5L},
        {"product 2 3 4", [] { return integer(2); }, {[] { return integer(3); }, [] { return integer(4); }}, true,
         "tLogoInt", 24},
        {"product 65536 65536 2", [] { return integer(65536); },
         {[] { return integer(65536); }, [] { return integer(2); }}, true, "tLogoReal", 8589934592.0L},
    };
    for (const auto& c : cases) {
        tLogoStack stack;
        for (const auto& make : c.further) stack.push(make());
        tLogoRef<tLogoWord> receiver(c.receiver());
        const int n = static_cast<int>(c.further.size());
        tLogoRef<tlogoobject> result(c.product ? receiver->Product(stack, n) : receiver->Sum(stack, n));
        EXPECT_EQ(stack.height(), 0) << c.name;
        EXPECT_STREQ(result->ClassName(), c.resultClass) << c.name;
        EXPECT_EQ(result->AsReal(), c.value) << c.name;
    }
}

TEST(Arithmetic, RoundingAndTruncation)
{
    struct {
        long double value;
        const char* round;
        const char* intPart;
    } const cases[] = {
        {2.5L, "3", "2"},     {-2.5L, "-3", "-2"}, {-2.7L, "-3", "-2"},
        {2.4L, "2", "2"},     {1e10L + 0.5L, "1E10", "1E10"},
    };
    for (const auto& c : cases) {
        tLogoRef<tLogoWord> value(real(c.value));
        EXPECT_EQ(textOf(value->Round()), c.round);
        EXPECT_EQ(textOf(value->Int()), c.intPart);
    }
    tLogoRef<tLogoWord> whole(integer(4));
    EXPECT_EQ(whole->Round(), whole.get());
    EXPECT_EQ(whole->Int(), whole.get());
    EXPECT_STREQ(classOf(tLogoRef<tLogoWord>(real(-2.7L))->Int()).c_str(), "tLogoInt");
}

TEST(Arithmetic, TranscendentalFunctionsWorkInDegrees)
{
    const struct {
        tlogoobject* (tLogoWord::*function)();
        long double argument;
        long double expected;
    } cases[] = {
        {&tLogoWord::Sin, 30, 0.5L},        {&tLogoWord::Cos, 60, 0.5L},      {&tLogoWord::Tan, 45, 1.0L},
        {&tLogoWord::ArcTan, 1, 45.0L},     {&tLogoWord::Sin, 90, 1.0L},      {&tLogoWord::Exp, 1, std::exp(1.0L)},
        {&tLogoWord::Ln, std::exp(2.0L), 2}, {&tLogoWord::Sqrt, 16, 4},       {&tLogoWord::Cos, 180, -1},
    };
    for (const auto& c : cases) {
        tLogoRef<tLogoWord> argument(real(c.argument));
        tLogoRef<tlogoobject> result(((*argument).*c.function)());
        EXPECT_NEAR(static_cast<double>(result->AsReal()), static_cast<double>(c.expected), 1e-12);
    }
    tLogoRef<tLogoWord> negative(integer(-1));
    EXPECT_EQ(raisedKey([&] { negative->Sqrt(); }), erReal);
    EXPECT_EQ(raisedKey([&] { tLogoRef<tLogoWord>(integer(0))->Ln(); }), erReal);
}

TEST(Arithmetic, RandomStaysInItsRange)
{
    seedRandom(99);
    for (int i = 0; i < 500; ++i) {
        EXPECT_LT(tLogoRef<tlogoobject>(tLogoRef<tLogoWord>(integer(6))->Random())->AsInteger(), 6);
        const int32_t negative = tLogoRef<tlogoobject>(tLogoRef<tLogoWord>(integer(-3))->Random())->AsInteger();
        EXPECT_TRUE(negative <= 0 && negative > -3);
    }
    EXPECT_EQ(textOf(tLogoRef<tLogoWord>(integer(0))->Random()), "0");
    EXPECT_EQ(raisedKey([] { tLogoRef<tLogoWord>(real(1e12L))->Random(); }), erMinMax);
    EXPECT_EQ(raisedKey([] { tLogoRef<tLogoWord>(word("1e12"))->Random(); }), erNumTooBig);
}

TEST(Arithmetic, BitOperationsAbsAndNegation)
{
    tLogoStack stack;
    stack.push(integer(0b0110));
    stack.push(integer(0b0011));
    tLogoRef<tLogoWord> receiver(integer(0b1110));
    EXPECT_EQ(textOf(receiver->BitAnd(stack, 2)), "2");
    stack.push(integer(1));
    EXPECT_EQ(textOf(receiver->BitOr(stack, 1)), "15");
    stack.push(integer(0b0100));
    EXPECT_EQ(textOf(receiver->BitXor(stack, 1)), "10");
    EXPECT_EQ(textOf(receiver->BitNot()), "-15");
    EXPECT_EQ(textOf(tLogoRef<tLogoWord>(integer(-5))->Abs()), "5");
    EXPECT_EQ(tLogoRef<tlogoobject>(tLogoRef<tLogoWord>(integer(-2147483647 - 1))->Abs())->AsReal(), 2147483648.0L);
    EXPECT_EQ(textOf(tLogoRef<tLogoWord>(word("-2.5"))->Negate()), "2.5");
    EXPECT_STREQ(classOf(tLogoRef<tLogoWord>(word("4"))->UnaryPlus()).c_str(), "tLogoInt");
}

}  // namespace
