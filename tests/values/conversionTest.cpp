#include <gtest/gtest.h>

#include "values/logoRandom.h"
#include "values/tLogoBool.h"
#include "values/tLogoInt.h"
#include "values/tLogoReal.h"
#include "values/tLogoString.h"
#include "values/colorConversion.h"
#include "values/valuePools.h"
#include "valueTestSupport.h"

namespace {

TEST(Conversion, AsIntegerRoundsRealsAndNumberWords)
{
    const std::pair<tlogoobject*, int32_t> cases[] = {
        {new tLogoReal(2.5L), 3},     {new tLogoReal(-2.5L), -3}, {new tLogoString("2.5"), 3},
        {new tLogoString("x1A"), 26}, {new tLogoInt(-7), -7},     {new tLogoString(" 12"), 12},
    };
    for (const auto& [value, expected] : cases) {
        tLogoRef<tlogoobject> held(value);
        EXPECT_EQ(held->AsInteger(), expected) << held->WordText();
    }
}

TEST(Conversion, FailuresCarryTheirKeysAndBounds)
{
    tLogoRef<tlogoobject> big(new tLogoReal(3e9L));
    tLogoRef<tlogoobject> bigWord(new tLogoString("3e9"));
    tLogoRef<tlogoobject> text(new tLogoString("abc"));
    tLogoRef<tlogoobject> truth(new tLogoBool(true));
    EXPECT_EQ(raisedKey([&] { big->AsInteger(); }), erMinMax);
    EXPECT_EQ(raisedKey([&] { bigWord->AsInteger(); }), erMinMax);
    EXPECT_EQ(raisedKey([&] { text->AsInteger(); }), erExpectNumber);
    EXPECT_EQ(raisedKey([&] { text->AsReal(); }), erExpectNumber);
    EXPECT_EQ(raisedKey([&] { text->AsBoolean(); }), erNotBool);
    EXPECT_EQ(raisedKey([&] { truth->AsInteger(); }), erExpectNumber);
    EXPECT_EQ(raisedKey([&] { text->AsColor(); }), erExpectColors);

    for (tlogoobject* value : {static_cast<tlogoobject*>(new tLogoInt(5)), static_cast<tlogoobject*>(new tLogoReal(3.6L)),
                               static_cast<tlogoobject*>(new tLogoReal(3e9L)), static_cast<tlogoobject*>(new tLogoString("-1e12"))}) {
        tLogoRef<tlogoobject> held(value);
        try {
            held->AsIntegerIn(0, 3);
            ADD_FAILURE() << held->WordText() << " accepted in 0..3";
        } catch (const eLogoException& error) {
            EXPECT_EQ(error.key, erMinMax);
            EXPECT_EQ(error.lowerBound, 0) << held->WordText();
            EXPECT_EQ(error.upperBound, 3) << held->WordText();
            EXPECT_EQ(error.culprit.get(), held.get());
        }
    }
    EXPECT_EQ(tLogoRef<tlogoobject>(new tLogoReal(2.5L))->AsIntegerIn(0, 3), 3);
}

TEST(Conversion, ConditionsFromNumbersWordsAndBooleans)
{
    const std::pair<tlogoobject*, bool> cases[] = {
        {new tLogoInt(0), false},        {new tLogoInt(-1), false},     {new tLogoInt(1), true},
        {new tLogoReal(0.0L), false},    {new tLogoReal(1.0L), true},   {new tLogoReal(-0.5L), false},
        {new tLogoString("true"), true}, {new tLogoString("FALSE"), false}, {new tLogoString("0"), false},
        {new tLogoString("2"), true},    {new tLogoBool(true), true},   {new tLogoBool(false), false},
    };
    for (const auto& [value, expected] : cases) {
        tLogoRef<tlogoobject> held(value);
        EXPECT_EQ(held->AsBoolean(), expected) << held->WordText();
    }
}

TEST(Conversion, RealsBetweenZeroAndOneAreTrueWithThatProbability)
{
    seedRandom(12345);
    tLogoRef<tlogoobject> real(new tLogoReal(0.3L));
    tLogoRef<tlogoobject> word(new tLogoString("0.3"));
    int realTrue = 0, wordTrue = 0;
    for (int i = 0; i < 10000; ++i) {
        realTrue += real->AsBoolean();
        wordTrue += word->AsBoolean();  // a word is drawn afresh every time, never cached
    }
    EXPECT_NEAR(realTrue, 3000, 300);
    EXPECT_NEAR(wordTrue, 3000, 300);
}

TEST(Conversion, AnyWordStandsForARandomValue)
{
    seedRandom(7);
    tLogoRef<tlogoobject> any(new tLogoString("ANY"));
    ASSERT_TRUE(any->IsAnyWord());
    EXPECT_FALSE(any->IsNumber());
    bool sawTrue = false, sawFalse = false;
    for (int i = 0; i < 200; ++i) {
        const int32_t n = any->AsInteger();
        EXPECT_GE(n, 1);
        EXPECT_LE(n, 100);
        const int32_t bounded = any->AsIntegerIn(5, 7);
        EXPECT_GE(bounded, 5);
        EXPECT_LE(bounded, 7);
        (any->AsBoolean() ? sawTrue : sawFalse) = true;
    }
    EXPECT_TRUE(sawTrue && sawFalse);
    EXPECT_EQ(raisedKey([&] { static_cast<tLogoString*>(any.get())->Add(new tLogoInt(1)); }), erExpectNumber);
}

TEST(Conversion, IsIntegerPerClass)
{
    const std::pair<tlogoobject*, bool> cases[] = {
        {new tLogoInt(3), true},          {new tLogoReal(3.0L), true},    {new tLogoReal(3.5L), false},
        {new tLogoString("3"), true},     {new tLogoString("3.0"), false}, {new tLogoBool(true), false},
        {new tLogoString("abc"), false},
    };
    for (const auto& [value, expected] : cases) {
        tLogoRef<tlogoobject> held(value);
        EXPECT_EQ(held->IsInteger(), expected) << held->WordText();
    }
}

TEST(Conversion, TextsOfNumbersAndBooleans)
{
    EXPECT_EQ(textOf(new tLogoInt(-42)), "-42");
    EXPECT_EQ(textOf(new tLogoInt(7, "007")), "007");
    EXPECT_EQ(textOf(new tLogoReal(3.1L, "3.10")), "3.10");
    EXPECT_EQ(textOf(new tLogoReal(1e6L)), "1E6");
    EXPECT_EQ(textOf(new tLogoBool(true)), "true");
    EXPECT_EQ(textOf(new tLogoBool(false)), "false");
    tLogoRef<tLogoInt> changed(new tLogoInt(7, "007"));
    changed->SetValue(8);
    EXPECT_EQ(changed->WordText(), "8");
}

TEST(Conversion, NameCodeIsSharedByWordsThatDifferInCase)
{
    tLogoRef<tlogoobject> upper(new tLogoString("FORWARD"));
    tLogoRef<tlogoobject> lower(new tLogoString("forward"));
    EXPECT_NE(upper->NameCode(), 0u);
    EXPECT_EQ(upper->NameCode(), lower->NameCode());
    tLogoRef<tlogoobject> number(new tLogoInt(5));
    EXPECT_EQ(number->NameCode(), tLogoRef<tlogoobject>(new tLogoString("5"))->NameCode());
}

TEST(Conversion, ColoursGoThroughTheRegisteredConverter)
{
    setColorConverter([](tlogoobject& value) -> uint32_t {
        if (!value.IsNumber()) throw eLogoException(erExpectNumber, &value);
        return static_cast<uint32_t>(value.AsIntegerIn(0, 15));
    });
    tLogoRef<tlogoobject> four(new tLogoInt(4));
    tLogoRef<tlogoobject> tooBig(new tLogoInt(16));
    EXPECT_EQ(four->AsColor(), 4u);
    EXPECT_EQ(raisedKey([&] { tooBig->AsColor(); }), erExpectColors);
    setColorConverter(nullptr);
}

}  // namespace

namespace {

TEST(DictionaryReference, NewWordsNamingDictionaryEntriesTakeTheirText)
{
    EXPECT_EQ(textOf(NewWord("\xB7" "forward")), "forward");
    EXPECT_EQ(textOf(NewWord("\xB7" "forward'x")), "forward'x");  // the part from the apostrophe stays
    EXPECT_EQ(textOf(NewWord("\xB7")), "\xB7");                      // one character names nothing
    EXPECT_EQ(textOf(NewLiteralWord("\xB7" "forward")), "\xB7" "forward");
    EXPECT_EQ(textOf(new tLogoBool(true, "\xB7" "other" "\xB7" "true")), "true");
    EXPECT_TRUE(tLogoRef<tlogoobject>(new tLogoString("\xB7" "other" "\xB7" "false"))->IsBoolean());
}

}  // namespace
