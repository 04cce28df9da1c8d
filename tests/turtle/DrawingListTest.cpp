#include <gtest/gtest.h>

#include <QImage>

#include <memory>
#include <string>
#include <vector>

#include "colours/ColourWorld.h"
#include "turtle/drawingListPoints.h"
#include "turtle/tDrawingList.h"
#include "values/eLogoException.h"
#include "values/tLogoList.h"

namespace {

using K = tDrawingKind;

class DrawingList : public ::testing::Test {
protected:
    std::vector<DrawingItem> Compile(std::string_view text)
    {
        return compileDrawingItems(tColourWorld::Value(text).get(), tDrawingStyle{});
    }
    errorConst Fails(std::string_view text)
    {
        return tColourWorld::RaisedKey([&] { Compile(text); });
    }
    static std::vector<K> Kinds(const std::vector<DrawingItem>& items)
    {
        std::vector<K> kinds;
        for (const DrawingItem& item : items) kinds.push_back(item.kind);
        return kinds;
    }

    tColourWorld world;
};

TEST_F(DrawingList, DistancesAndAnglesMakeOneConnectedPath)
{
    const std::vector<DrawingItem> items = Compile("[50 90 50 90 50 90 50]");
    ASSERT_EQ(Kinds(items), (std::vector<K>{K::kPath}));
    EXPECT_EQ(items[0].points, (std::vector<tRealPoint>{{0, 0}, {0, 50}, {50, 50}, {50, 0}, {0, 0}}));
}

TEST_F(DrawingList, ItemsAndStylesInOrder)
{
    struct tCase {
        const char* list;
        std::vector<K> kinds;
    };
    const tCase cases[] = {
        // A style change ends the path drawn so far and comes before what it styles.
        {"[forward 10 setpenwidth 3 forward 10]", {K::kPath, K::kPenWidth, K::kPath}},
        {"[setpencolour 4 setfillcolour 2 setfillpattern 3 forward 10]", {K::kPenColour, K::kFillColour, K::kPath}},
        // A setting back to what was drawn with emits nothing.
        {"[setpenwidth 4 setpenwidth 1 forward 10]", {K::kPath}},
        {"[penup forward 10 pendown forward 10 penup forward 5]", {K::kPath}},
        // Inside a polygon dots, labels and ellipses are passed over; pen lifts do not break it.
        {"[polygon [forward 10 dot penup right 90 pendown forward 10 label \"x circle 5]]", {K::kPolygon}},
        {"[dot point 3 label \"a label2 [b c] circle 4 filledcircle 4]",
         {K::kDot, K::kDot, K::kLabel, K::kLabel2, K::kEllipse, K::kFilledEllipse}},
        {"[ellipse [10 20 0 90] filledellipse [10 20 0 90]]", {K::kPath, K::kPolygon}},
        {"[setfont [[Serif] [20]] label \"a]", {K::kFont, K::kLabel}},
        {"[]", {}},
        {"[repeat 3 [forward 10 right 120]]", {K::kPath}},
    };
    for (const tCase& c : cases) EXPECT_EQ(Kinds(Compile(c.list)), c.kinds) << c.list;
}

TEST_F(DrawingList, PenUpStartsTheNextPathWhereTheTurtleIs)
{
    const std::vector<DrawingItem> items = Compile("[penup forward 10 pendown right 90 forward 5]");
    ASSERT_EQ(items.size(), 1u);
    EXPECT_EQ(items[0].points, (std::vector<tRealPoint>{{0, 10}, {5, 10}}));
}

TEST_F(DrawingList, APolygonClosesItselfBackToItsStart)
{
    const std::vector<DrawingItem> items = Compile("[right 90 polygon [forward 10 left 90 forward 10 left 90 forward 10]]");
    ASSERT_EQ(items.size(), 1u);
    EXPECT_EQ(items[0].points, (std::vector<tRealPoint>{{0, 0}, {10, 0}, {10, 10}, {0, 10}, {0, 0}}));
}

TEST_F(DrawingList, OutlinePointsAreTakenAlongTheHeadingAtItsStart)
{
    // At heading 90, "ahead" is x and "right" is -y; a pen lift splits the outline, and the
    // position afterwards is where it started.
    const std::vector<DrawingItem> items = Compile("[right 90 outline [[0 10] [2 10] [] [0 20] [1 2 3 4 5 6] [0 30]] forward 1]");
    ASSERT_EQ(Kinds(items), (std::vector<K>{K::kPath, K::kPath, K::kPath}));
    EXPECT_EQ(items[0].points, (std::vector<tRealPoint>{{10, 0}, {10, -2}}));
    EXPECT_EQ(items[1].points, (std::vector<tRealPoint>{{20, 0}, {30, 0}}));
    EXPECT_EQ(items[2].points, (std::vector<tRealPoint>{{0, 0}, {1, 0}}));
    const std::vector<DrawingItem> vectors = Compile("[drawvectors [[0 10] [10 0] [0 -10]]]");
    ASSERT_EQ(vectors.size(), 1u);
    EXPECT_EQ(vectors[0].points, (std::vector<tRealPoint>{{0, 10}, {10, 10}, {10, 0}}));
}

TEST_F(DrawingList, EllipsesShrinkByThePenAndArcsAreNormalized)
{
    const std::vector<DrawingItem> circle = Compile("[setpenwidth 5 circle 21]");
    ASSERT_EQ(circle.back().kind, K::kEllipse);
    EXPECT_EQ(circle.back().semiAxes, (tRealPoint{8.5, 8.5}));
    // From 270 to 90 is the top half: from the left end over the top to the right end.
    const std::vector<DrawingItem> arc = Compile("[ellipse [100 60 270 90]]");
    ASSERT_EQ(arc.size(), 1u);
    const std::vector<tRealPoint>& points = arc[0].points;
    EXPECT_EQ(points.front(), (tRealPoint{-50, 0}));
    EXPECT_EQ(points.back(), (tRealPoint{50, 0}));
    for (const tRealPoint& p : points) EXPECT_GE(p.y, 0);
    // A whole turn given as an arc is the whole ellipse; a filled arc is a pie from the centre.
    EXPECT_EQ(Compile("[ellipse [10 10 45 405]]")[0].kind, K::kEllipse);
    const std::vector<DrawingItem> pie = Compile("[filledellipse [20 20 0 90]]");
    EXPECT_EQ(pie[0].points.front(), (tRealPoint{0, 0}));
    EXPECT_EQ(pie[0].points[1], (tRealPoint{0, 10}));
    EXPECT_EQ(pie[0].points.back(), (tRealPoint{0, 0}));
}

TEST_F(DrawingList, RepeatsAndPathsAreCapped)
{
    // 12000 right turns of 1 degree count as 10000: the heading ends at 280.
    const std::vector<DrawingItem> turned = Compile("[12000 [right 1] forward 100]");
    ASSERT_EQ(turned.size(), 1u);
    EXPECT_NEAR(static_cast<double>(turned[0].points[1].x), -98.48, 0.005);
    // 10001 points: the first 9999 are kept.
    const std::vector<DrawingItem> path = Compile("[repeat 5000 [forward 1 right 90 forward 1 left 90]]");
    ASSERT_EQ(path.size(), 1u);
    EXPECT_EQ(path[0].points.size(), 9999u);
    EXPECT_EQ(path[0].points.back(), (tRealPoint{4999, 4999}));
}

TEST_F(DrawingList, MalformedListsFailWithTheirWordsErrors)
{
    struct tCase {
        const char* list;
        errorConst key;
    };
    const tCase cases[] = {
        {"[forward 10 50]", erDrawingMissingComm},
        {"[50 90 forward 10]", erDrawingComm},
        {"[50 forward 10]", erExpectNumber},
        {"[jump 10]", erDrawingComm},
        {"[[50 90]]", erExpectWord},
        {"[50 penup]", erExpectNumber},
        {"[polygon]", erDrawingMissingList},
        {"[drawspline]", erDrawingMissingList},
        {"[repeat 4]", erDrawingMissingList},
        {"[outline]", erDrawingMissingPoints},
        {"[drawvectors]", erDrawingMissingPoints},
        {"[setpencolour]", erDrawingMissingColor},
        {"[setfillpattern]", erDrawingMissingFP},
        {"[setpenpattern]", erDrawingMissingPP},
        {"[circle]", erDrawingMissingNumber},
        {"[ellipse]", erDrawingMissingNumber2},
        {"[setfont]", erDrawingMissingFont},
        {"[label]", erDrawingMissingText},
        {"[ellipse [1 2 3]]", erBadStructure},
        {"[polygon 5]", erExpectList},
        {"[setpos [1]]", erExpectList2},
        {"[outline [[1 2 3]]]", erDrawingWrongPoints},
        {"[outline [5]]", erDrawingWrongPoints},
        {"[setfont \"Serif]", erExpectList},
        {"[setfillpattern 8]", erMinMax},
        {"[setpenpattern -1]", erMinMax},
        {"\"forward", erExpectList},
    };
    for (const tCase& c : cases) EXPECT_EQ(Fails(c.list), c.key) << c.list;
}

TEST_F(DrawingList, PointsAndVectorsOfTheLinesInOrder)
{
    struct tCase {
        const char* list;
        bool vectors;
        const char* expected;
    };
    const tCase cases[] = {
        {"[50 90 50]", false, "[0 0] [0 50] [50 50]"},
        {"[50 90 50]", true, "[0 0] [0 50] [50 0]"},
        // Each line after the first begins after an empty list; a vector continues from the
        // last point of the line before.
        {"[forward 10 penup forward 10 pendown right 90 forward 5]", false, "[0 0] [0 10] [] [0 20] [5 20]"},
        {"[forward 10 penup forward 10 pendown right 90 forward 5]", true, "[0 0] [0 10] [] [0 10] [5 0]"},
        {"[dot label \"x]", false, ""},
    };
    for (const tCase& c : cases) {
        tLogoRef<tLogoList> points(drawingListPoints(tColourWorld::Value(c.list).get(), c.vectors));
        EXPECT_EQ(points->PrintText(0), c.expected) << c.list;
    }
}

// Pictures of 40 x 40 pixels, white, with the list placed at their centre.
class PlacedList : public DrawingList {
protected:
    PlacedList() : picture(40, 40, QImage::Format_RGB32) { picture.fill(Qt::white); }
    std::unique_ptr<tDrawingList> Placed(std::string_view text, long double heading, long double scale = 1)
    {
        auto list = std::make_unique<tDrawingList>(tColourWorld::Value(text).get(), tDrawingStyle{});
        list->Place({20, 20}, scale, scale, heading);
        return list;
    }
    bool Inked(int x, int y) const { return (picture.pixel(x, y) & 0xFFFFFF) == 0; }

    QImage picture;
};

TEST_F(PlacedList, TheFirstSideRunsAlongThePlacementHeading)
{
    const auto square = Placed("[10 90 10 90 10 90 10]", 90);
    square->Render(picture, 0xFFFFFF, nullptr);
    // Right from the centre, then down (the list turns right), then back.
    EXPECT_TRUE(Inked(20, 20) && Inked(30, 20) && Inked(30, 30) && Inked(20, 30) && Inked(25, 30));
    EXPECT_FALSE(Inked(25, 25) || Inked(20, 10) || Inked(31, 20));
    const tPixelRect b = square->Bounds();
    EXPECT_TRUE(b.left <= 20 && b.right >= 30 && b.top <= 20 && b.bottom >= 30);
    EXPECT_TRUE(b.left >= 18 && b.right <= 32 && b.top >= 18 && b.bottom <= 32);
}

TEST_F(PlacedList, APolygonIsFilledAndScaled)
{
    const auto square = Placed("[polygon [5 90 5 90 5]]", 0, 2);
    square->Render(picture, 0xFFFFFF, nullptr);
    EXPECT_TRUE(Inked(25, 15) && Inked(29, 11) && Inked(20, 10));
    EXPECT_FALSE(Inked(31, 15) || Inked(25, 21) || Inked(19, 15));
}

TEST_F(PlacedList, DrawingIsClipped)
{
    const auto line = Placed("[right 90 forward 15]", 0);
    const tPixelRect clip{0, 0, 24, 39};
    line->Render(picture, 0xFFFFFF, &clip);
    EXPECT_TRUE(Inked(24, 20));
    EXPECT_FALSE(Inked(25, 20));
}

TEST_F(PlacedList, HitTests)
{
    struct tCase {
        const char* list;
        tRealPoint point;
        bool hit;
    };
    const tCase cases[] = {
        {"[polygon [10 90 10 90 10]]", {25, 15}, true},   // inside
        {"[polygon [10 90 10 90 10]]", {15, 15}, false},  // beside, within the tolerance of none
        {"[10 90 10]", {21, 15}, true},                   // near the first side
        {"[10 90 10]", {25, 15}, false},                  // inside the bend of an open path
        {"[ellipse [40 30]]", {40, 20}, true},            // on the outline
        {"[ellipse [40 30]]", {20, 21}, false},           // the hollow inside
        {"[filledellipse [20 10]]", {20, 20}, true},
        {"[point 9]", {23, 22}, true},
        {"[point 9]", {25, 25}, false},
        {"[]", {20, 20}, false},
    };
    for (const tCase& c : cases) EXPECT_EQ(Placed(c.list, 0)->HitTest(c.point), c.hit) << c.list;
}

TEST_F(PlacedList, ItemsByIndex)
{
    const auto list = Placed("[forward 10 setpenwidth 2 forward 10]", 0);
    ASSERT_EQ(list->Count(), 3u);
    EXPECT_EQ(list->Item(1).kind, K::kPenWidth);
    EXPECT_EQ(tColourWorld::RaisedKey([&] { list->Item(3); }), erInternDrawingIndex);
}

}  // namespace
