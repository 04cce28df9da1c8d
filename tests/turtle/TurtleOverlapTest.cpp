#include <gtest/gtest.h>

#include "turtle/turtleOverlap.h"

namespace {

TEST(BoundsOverlap, InscribedEllipsesDecideUnlessTheModeSaysBoundsAreEnough)
{
    const struct {
        const char* what;
        tShapeBounds a;
        tShapeBounds b;
        bool byEllipses;
        bool byBounds;
    } cases[] = {
        {"the same square", {0, 0, 10, 10}, {0, 0, 10, 10}, true, true},
        {"squares sharing a corner pixel", {0, 0, 10, 10}, {9, 9, 19, 19}, false, true},
        {"squares side by side", {0, 0, 10, 10}, {10, 0, 20, 10}, false, false},
        {"no width", {5, 0, 5, 10}, {0, 0, 10, 10}, false, false},
        {"a square in the middle of a wide one", {0, 0, 20, 6}, {8, 4, 12, 10}, true, true},
        {"a square on a wide one's corner", {0, 0, 20, 6}, {19, -3, 25, 3}, false, true},
        {"a square on a tall one's corner", {0, 0, 6, 20}, {-3, 19, 3, 25}, false, true},
        {"a square on a tall one's side", {0, 0, 6, 20}, {4, 8, 10, 12}, true, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(boundsOverlap(c.a, c.b, 0), c.byEllipses);
        EXPECT_EQ(boundsOverlap(c.b, c.a, 0), c.byEllipses);
        EXPECT_EQ(boundsOverlap(c.a, c.b, 1), c.byBounds);
    }
}

}  // namespace
