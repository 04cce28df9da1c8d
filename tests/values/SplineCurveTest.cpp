#include "values/SplineCurve.h"

#include <gtest/gtest.h>

namespace {

using Points = std::vector<tCurvePoint>;

TEST(SplineCurve, ShortRunsAreCopied)
{
    EXPECT_EQ(splineCurve({}), Points{});
    EXPECT_EQ(splineCurve({{1.234L, -5.678L}}), (Points{{1.23L, -5.68L}}));
    EXPECT_EQ(splineCurve({{0, 0}, {10, 0}}), (Points{{0, 0}, {10, 0}}));
    EXPECT_EQ(splineCurve({{3, 3}, {3, 3}}), (Points{{3, 3}}));
}

TEST(SplineCurve, ShortChordsTakeFiveSteps)
{
    const Points expected{{0, 0}, {0.14L, 0}, {0.33L, 0}, {0.55L, 0}, {0.78L, 0}, {1, 0},
                          {1.22L, 0}, {1.45L, 0}, {1.67L, 0}, {1.86L, 0}, {2, 0}};
    const Points curve = splineCurve({{0, 0}, {1, 0}, {2, 0}});
    ASSERT_EQ(curve.size(), expected.size());
    for (size_t i = 0; i < curve.size(); ++i) {
        EXPECT_NEAR(static_cast<double>(curve[i].x), static_cast<double>(expected[i].x), 1e-12) << i;
        EXPECT_EQ(curve[i].y, 0) << i;
    }
}

TEST(SplineCurve, StepCountGrowsWithTheChord)
{
    // An open run of three collinear points: one point per step on each of the two chords.
    struct { long double spacing; size_t points; } cases[] = {
        {2.9L, 11}, {3, 21}, {19.9L, 21}, {20, 41}, {99, 41}, {100, 101},
    };
    for (const auto& c : cases)
        EXPECT_EQ(splineCurve({{0, 0}, {c.spacing, 0}, {2 * c.spacing, 0}}).size(), c.points)
            << static_cast<double>(c.spacing);
}

TEST(SplineCurve, ClosedRunWrapsItsTangents)
{
    // On the first side of a square the start tangent comes from the last corner when the run
    // is closed, and from the first chord when it is open; one step in (t = 0.1), y differs.
    const Points closed = splineCurve({{0, 0}, {10, 0}, {10, 10}, {0, 10}, {0, 0}});
    const Points open = splineCurve({{0, 0}, {10, 0}, {10, 10}, {0, 10}, {0, 1}});
    EXPECT_EQ(closed.back(), (tCurvePoint{0, 0}));
    EXPECT_NEAR(static_cast<double>(closed[1].y), -0.45, 1e-12);
    EXPECT_NEAR(static_cast<double>(open[1].y), -0.05, 1e-12);
}

}  // namespace
