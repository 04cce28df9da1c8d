#include <gtest/gtest.h>

#include <cmath>

#include "turtle/tLogoTurtleParams.h"
#include "turtle/tgrScreen.h"
#include "values/tLogoRef.h"

namespace {

constexpr uint32_t kBlack = 0x000000;

// A turtle on a page of 100 x 60 pixels, range 0..99 and 0..59.
class TurtleMove : public ::testing::Test {
protected:
    TurtleMove() : screen(new tgrScreen(100, 60)), turtle(new tLogoTurtleParams(*screen)) {}

    void Place(long double x, long double y, long double heading, tEdgeStyle style)
    {
        turtle->position = {x, y};
        turtle->SetHeading(heading);
        turtle->rangeStyle = style;
    }

    bool Inked(int x, int y) { return screen->PixelAt(x, y) == kBlack; }

    tLogoRef<tgrScreen> screen;
    tLogoRef<tLogoTurtleParams> turtle;
};

TEST_F(TurtleMove, WrapContinuesFromTheOppositeEdgeShiftedByOneLessThanTheWidth)
{
    Place(50, 30, 270, tEdgeStyle::kWrap);
    turtle->Forward(60);
    EXPECT_NEAR(static_cast<double>(turtle->position.x), 88, 1e-9);
    EXPECT_NEAR(static_cast<double>(turtle->position.y), 30, 1e-9);
    EXPECT_TRUE(Inked(0, 30) && Inked(50, 30) && Inked(99, 30) && Inked(88, 30));
    EXPECT_FALSE(Inked(87, 30));
}

TEST_F(TurtleMove, WrapThroughACornerContinuesFromTheNextCornerClockwise)
{
    Place(10, 10, 315, tEdgeStyle::kWrap);
    turtle->MoveTo({-2, -2}, tEdgeStyle::kWrap, tPenState::kDown);
    // Out through the top-left corner, in again at the top-right one, which the rest of the
    // way leaves at once through that corner, so it comes in at the bottom-right one.
    EXPECT_EQ(turtle->position, (tRealPoint{97, 57}));
    EXPECT_TRUE(Inked(10, 10) && Inked(0, 0) && Inked(99, 0) && Inked(99, 59) && Inked(98, 58) && Inked(97, 57));
    EXPECT_FALSE(Inked(98, 1));
}

TEST_F(TurtleMove, FenceStopsAtTheEdge)
{
    Place(50, 30, 90, tEdgeStyle::kFence);
    turtle->Forward(1000);
    EXPECT_EQ(turtle->position, (tRealPoint{99, 30}));
    EXPECT_TRUE(Inked(99, 30));
}

TEST_F(TurtleMove, BounceReflectsThePathAndTheHeading)
{
    Place(90, 30, 45, tEdgeStyle::kBounce);
    turtle->Forward(20);
    EXPECT_NEAR(static_cast<double>(turtle->heading), 315, 1e-9);
    EXPECT_LE(turtle->position.x, 99);
    EXPECT_NEAR(static_cast<double>(turtle->position.x), 99 - (90 + 20 / std::sqrt(2.0) - 99), 1e-9);
}

TEST_F(TurtleMove, BouncingBackwardsKeepsFacingAwayFromTheTravel)
{
    Place(90, 30, 270, tEdgeStyle::kBounce);
    turtle->Forward(-20);  // travels right, into the wall
    EXPECT_NEAR(static_cast<double>(turtle->position.x), 88, 1e-9);
    // Now travelling left, so facing right.
    EXPECT_NEAR(static_cast<double>(turtle->heading), 90, 1e-9);
}

TEST_F(TurtleMove, WindowLetsTheTurtleLeaveAndDrawAgainWhenItComesBack)
{
    Place(50, 30, 90, tEdgeStyle::kWindow);
    turtle->penState = tPenState::kUp;
    turtle->Forward(200);
    EXPECT_EQ(turtle->position, (tRealPoint{250, 30}));
    turtle->SetHeading(0);
    turtle->Forward(10);
    turtle->SetHeading(270);
    turtle->penState = tPenState::kDown;
    turtle->Forward(200);
    EXPECT_NEAR(static_cast<double>(turtle->position.x), 50, 1e-9);
    EXPECT_NEAR(static_cast<double>(turtle->position.y), 20, 1e-9);
    EXPECT_TRUE(Inked(99, 20) && Inked(50, 20));
    EXPECT_FALSE(Inked(49, 20) || Inked(60, 30));
}

TEST_F(TurtleMove, AnOwnRangeClipsTheDrawing)
{
    Place(5, 30, 90, tEdgeStyle::kWindow);
    turtle->SetRange(tRealRect{20, 39, 0, 59});
    turtle->Forward(90);
    for (int x = 0; x < 100; ++x) EXPECT_EQ(Inked(x, 30), x >= 20 && x <= 39) << x;
}

TEST_F(TurtleMove, HomeNeverDraws)
{
    Place(10, 10, 123, tEdgeStyle::kWrap);
    turtle->homePosition = {80, 50};
    turtle->homeHeading = 45;
    turtle->Home();
    EXPECT_EQ(turtle->position, (tRealPoint{80, 50}));
    EXPECT_EQ(turtle->heading, 45);
    for (int x = 0; x < 100; ++x)
        for (int y = 0; y < 60; ++y) ASSERT_FALSE(Inked(x, y)) << x << "," << y;
}

TEST(TurtleHeading, IsKeptInZeroTo360)
{
    tLogoRef<tgrScreen> screen(new tgrScreen(10, 10));
    tLogoRef<tLogoTurtleParams> turtle(new tLogoTurtleParams(*screen));
    const std::pair<long double, long double> cases[] = {{-90, 270}, {720, 0}, {360, 0}, {-720, 0}, {725, 5}, {359.5L, 359.5L}, {-1e-30L, 0}};
    for (const auto& [given, kept] : cases) {
        turtle->SetHeading(given);
        EXPECT_EQ(turtle->heading, kept) << static_cast<double>(given);
    }
}

TEST(TurtleHeading, TowardsFollowsTheCompass)
{
    struct Case {
        long double dx, dy, heading;
    };
    const Case cases[] = {{0, 0, 0}, {0, 5, 0}, {5, 0, 90}, {0, -5, 180}, {-5, 0, 270},
                          {5, 5, 45}, {5, -5, 135}, {-5, -5, 225}, {-5, 5, 315}};
    for (const Case& c : cases)
        EXPECT_NEAR(static_cast<double>(headingOf(c.dx, c.dy)), static_cast<double>(c.heading), 1e-12)
            << static_cast<double>(c.dx) << "," << static_cast<double>(c.dy);
}

// Huge moves finish, and end where the wrap and bounce rules put them: each wrap moves the
// target one less than the range's width (here 98), two bounces off opposite edges by twice the
// width (here 198).
TEST_F(TurtleMove, HugeMovesEndWhereTheRulesPutThem)
{
    Place(50, 30, 270, tEdgeStyle::kWrap);
    turtle->Forward(1e15L);
    const long long beyond = 1000000000000000LL - 50;  // left of the left edge (0)
    const long long wraps = (beyond + 97) / 98;
    EXPECT_EQ(turtle->position, (tRealPoint{static_cast<long double>(50 - 1000000000000000LL + wraps * 98), 30}));
    EXPECT_TRUE(Inked(0, 30) && Inked(99, 30) && Inked(50, 30));

    Place(50, 30, 90, tEdgeStyle::kBounce);
    turtle->Forward(1e15L);
    const long long unfolded = (50 + 1000000000000000LL) % 198;
    const bool goingBack = unfolded > 99;
    EXPECT_EQ(turtle->position, (tRealPoint{static_cast<long double>(goingBack ? 198 - unfolded : unfolded), 30}));
    EXPECT_EQ(turtle->heading, goingBack ? 270 : 90);

    // Slanted: the skipped passes leave the count of wraps along each axis as it was.
    Place(50, 30, 30, tEdgeStyle::kWrap);
    const tRealPoint d = turtle->Direction();
    const long double bx = 50 + 1e9L * d.x, by = 30 - 1e9L * d.y;
    turtle->Forward(1e9L);
    EXPECT_NEAR(static_cast<double>(turtle->position.x), static_cast<double>(bx - std::ceil((bx - 99) / 98) * 98), 1e-3);
    EXPECT_NEAR(static_cast<double>(turtle->position.y), static_cast<double>(by + std::ceil(-by / 58) * 58), 1e-3);
}

}  // namespace
