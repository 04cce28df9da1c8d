#include <gtest/gtest.h>

#include <cmath>

#include "values/numberText.h"
#include "values/tLogoString.h"
#include "valueTestSupport.h"

namespace {

struct tRecognition {
    const char* text;
    bool isNumber;
    bool isInteger;
    long double value;
};

TEST(NumberRecognition, WordsAreClassifiedAsIntegerRealOrNoNumber)
{
    const tRecognition cases[] = {
        {"x1A", true, true, 26},
        {"$FF", true, true, 255},
        {"$ff", true, true, 255},
        {"0x10", true, true, 16},
        {"0X10", true, true, 16},
        {"$FFFFFFFF", true, true, -1},
        {"$123456789", false, false, 0},  // nine hex digits
        {"x", false, false, 0},
        {"$", false, false, 0},
        {"0x", false, false, 0},
        {"-$10", false, false, 0},
        {" 12", true, true, 12},
        {"12 ", true, false, 12},  // a trailing blank makes it a real
        {".", true, false, 0},
        {"1e", true, false, 1},
        {"1e3", true, false, 1000},
        {"1E+", true, false, 1},
        {"-2147483648", true, true, -2147483648.0L},
        {"2147483648", true, false, 2147483648.0L},
        {"+7", true, true, 7},
        {"-", false, false, 0},
        {"+", false, false, 0},
        {"", false, false, 0},
        {"3a", false, false, 0},
        {"1e500", true, false, 1e500L},
        {"1e4933", false, false, 0},  // beyond the extended range
        {"1e5000", false, false, 0},  // exponent digits stop at 500, the rest is left over
        {"1e-4999", true, false, 0},  // below the extended range: zero
        {"007", true, true, 7},
    };
    for (const tRecognition& c : cases) {
        tLogoString word(c.text);
        EXPECT_EQ(word.IsNumber(), c.isNumber) << '"' << c.text << '"';
        EXPECT_EQ(word.IsInteger(), c.isInteger) << '"' << c.text << '"';
        if (c.isNumber) EXPECT_EQ(word.AsReal(), c.value) << '"' << c.text << '"';
    }
}

TEST(NumberRecognition, AnalysisIsRedoneWhenTheTextChanges)
{
    tLogoString word("12");
    ASSERT_TRUE(word.IsInteger());
    word.SetText("abc");
    EXPECT_FALSE(word.IsNumber());
    word.SetText("2.5");
    EXPECT_TRUE(word.IsNumber());
    EXPECT_FALSE(word.IsInteger());
}

TEST(RealFormat, SixSignificantDigitsWithCompactExponent)
{
    const std::pair<long double, const char*> cases[] = {
        {3.14159265L, "3.14159"},
        {100000.0L, "100000"},
        {1000000.0L, "1E6"},
        {1500000.0L, "1.5E6"},
        {0.0001L, "0.0001"},
        {0.00001L, "1E-5"},
        {0.000123456789L, "0.000123457"},
        {999999.5L, "1E6"},
        {-2.5L, "-2.5"},
        {-0.0L, "0"},
        {2147483648.0L, "2.14748E9"},
        {1e-300L, "1E-300"},
        {1e500L, "1E500"},
    };
    for (const auto& [value, text] : cases) EXPECT_EQ(formatLogoReal(value), text) << static_cast<double>(value);
}

TEST(RealFormat, RoundingToIntegerIsHalfAwayFromZero)
{
    const std::pair<long double, int32_t> cases[] = {
        {2.5L, 3}, {-2.5L, -3}, {2.4999L, 2}, {-0.5L, -1}, {0.49L, 0}, {2147483647.4L, 2147483647},
    };
    for (const auto& [value, expected] : cases) {
        int32_t rounded = 0;
        EXPECT_TRUE(roundToInteger32(value, rounded));
        EXPECT_EQ(rounded, expected) << static_cast<double>(value);
    }
    int32_t unused;
    EXPECT_FALSE(roundToInteger32(2147483647.5L, unused));
    EXPECT_FALSE(roundToInteger32(-2147483649.0L, unused));
}

}  // namespace
