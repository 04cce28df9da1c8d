#include <gtest/gtest.h>

#include "turtle/colours/patternTables.h"

namespace {

TEST(PatternTables, NumbersAndStylesMapBothWays)
{
    const tPenStyle pens[] = {tPenStyle::insideFrame, tPenStyle::dash,  tPenStyle::dot, tPenStyle::dashDot,
                              tPenStyle::dashDotDot,  tPenStyle::solid, tPenStyle::none};
    const tFillStyle fills[] = {tFillStyle::solid,         tFillStyle::backwardDiagonal, tFillStyle::cross,
                                tFillStyle::diagonalCross, tFillStyle::forwardDiagonal,  tFillStyle::horizontal,
                                tFillStyle::vertical,      tFillStyle::none};
    for (int n = 0; n < 7; ++n) {
        EXPECT_EQ(penStyleOfPattern(n), pens[n]) << n;
        EXPECT_EQ(patternOfPenStyle(pens[n]), n) << n;
    }
    for (int n = 0; n < 8; ++n) {
        EXPECT_EQ(fillStyleOfPattern(n), fills[n]) << n;
        EXPECT_EQ(patternOfFillStyle(fills[n]), n) << n;
    }
}

TEST(PatternTables, NumbersOutsideTheTablesHaveNoStyle)
{
    for (int n : {-1, 7, 100}) EXPECT_FALSE(penStyleOfPattern(n)) << n;
    for (int n : {-1, 8, 100}) EXPECT_FALSE(fillStyleOfPattern(n)) << n;
    EXPECT_EQ(patternOfPenStyle(static_cast<tPenStyle>(99)), 0);
    EXPECT_EQ(patternOfFillStyle(static_cast<tFillStyle>(99)), 0);
}

}  // namespace
