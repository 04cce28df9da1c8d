#include <gtest/gtest.h>

#include "pageMouseTest.h"

// The pointer over the shown page, driven by synthetic mouse events: what "clickedpos" and
// "mousestate" see, dragging, the paint tools and the selection frame.

namespace {

TEST_F(PageMouse, ALeftPressRecordsWhereItTookTheTurtle)
{
    ASSERT_EQ(Run("T'pu T'home"), "");
    QTest::mouseClick(page, Qt::LeftButton, Qt::NoModifier, kOnTheTurtle + QPoint(1, 0));
    // [dx -dy]: one right of the turtle, four above it. The mouse is handled in a process of
    // its own, so the line may come first.
    EXPECT_TRUE(waitFor([&] { return Run("show T'clickedpos") == "[1 4]\n"; }));
    // A press on the bare page is the page's, from its top-left corner.
    QTest::mouseClick(page, Qt::LeftButton, Qt::NoModifier, kOnThePage);
    EXPECT_TRUE(waitFor([&] { return Run("show P'clickedpos") == "[100 -100]\n"; }));
    EXPECT_EQ(Run("show T'clickedpos"), "[1 4]\n");
}

TEST_F(PageMouse, MousestateShowsTheButtonsAndKeysHeld)
{
    QTest::mousePress(page, Qt::LeftButton, Qt::NoModifier, kOnThePage);
    EXPECT_EQ(Run("show P'mousestate"), "[1 0 [-298 149]]\n");
    QTest::mouseRelease(page, Qt::LeftButton, Qt::NoModifier, kOnThePage);
    QTest::mousePress(page, Qt::RightButton, Qt::ShiftModifier | Qt::ControlModifier, kOnThePage + QPoint(2, 0));
    EXPECT_EQ(Run("show P'mousestate"), "[2 3 [-296 149]]\n");
    QTest::mouseRelease(page, Qt::RightButton, Qt::NoModifier, kOnThePage + QPoint(2, 0));
    EXPECT_EQ(Run("show P'mousestate"), "[0 0 [-296 149]]\n");
}

TEST_F(PageMouse, ATurtleWithAutoDragFollowsTheLeftButton)
{
    ASSERT_EQ(Run("T'pu T'home T'setautodrag \"true"), "");
    QTest::mousePress(page, Qt::LeftButton, Qt::NoModifier, kOnTheTurtle);
    QTest::mouseMove(page, kOnTheTurtle + QPoint(30, -20));
    // Taken four pixels under its nose, the turtle keeps that offset to the pointer.
    EXPECT_TRUE(waitFor([&] { return Run("show T'pos") == "[30 20]\n"; }));
    QTest::mouseMove(page, kOnTheTurtle + QPoint(50, 10));
    EXPECT_TRUE(waitFor([&] { return Run("show T'pos") == "[50 -10]\n"; }));
    QTest::mouseRelease(page, Qt::LeftButton, Qt::NoModifier, kOnTheTurtle + QPoint(50, 10));
    // Released, it stays where it was left.
    QTest::mouseMove(page, kOnThePage);
    QTest::qWait(100);
    EXPECT_EQ(Run("show T'pos T'setautodrag \"false T'home"), "[50 -10]\n");
}

TEST_F(PageMouse, WithoutAutoDragAMoveWithTheButtonHeldIsADragEvent)
{
    ASSERT_EQ(Run("T'pu T'home T'setevent \"ondrag [print \"dragged]"), "");
    QTest::mousePress(page, Qt::LeftButton, Qt::NoModifier, kOnTheTurtle);
    QTest::mouseMove(page, kOnTheTurtle + QPoint(30, -20));
    QTest::mouseRelease(page, Qt::LeftButton, Qt::NoModifier, kOnTheTurtle + QPoint(30, -20));
    EXPECT_TRUE(waitFor([&] { return window->Output().toPlainText().contains("\ndragged\n"); }));
    EXPECT_EQ(Run("show T'pos T'eraseevent \"ondrag"), "[0 0]\n");
}

TEST_F(PageMouse, ATurtleMovingUnderTheRestingPointerHearsItComeAndGo)
{
    ASSERT_EQ(Run("T'st T'pu T'home T'setevent \"onmouseenter [print \"came] T'setevent \"onmouseleave [print \"went]"), "");
    // Without a button QTest moves the cursor, which says nothing when it is there already.
    QTest::mouseMove(page, kOnThePage + QPoint(1, 1));
    QTest::mouseMove(page, kOnThePage);
    ASSERT_TRUE(waitFor([&] { return Run("show P'mousestate") == "[0 0 [-298 149]]\n"; }));
    // The turtle's nose is 4 pixels above its position: put it under the pointer, then away.
    ASSERT_EQ(Run("T'setpos [-298 145]"), "");
    EXPECT_TRUE(waitFor([&] { return Printed("came"); }));
    ASSERT_EQ(Run("T'home"), "");
    EXPECT_TRUE(waitFor([&] { return Printed("went"); }));
    // Over the turtle, the pointer leaving the page takes leave of it too.
    QTest::mouseMove(page, kOnTheTurtle);
    EXPECT_TRUE(waitFor([&] { return CountPrinted("came") == 2; }));
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(page, &leave);
    EXPECT_TRUE(waitFor([&] { return CountPrinted("went") == 2; }));
    EXPECT_EQ(Run("T'eraseevent \"onmouseenter T'eraseevent \"onmouseleave"), "");
}

TEST_F(PageMouse, AFlexibleLineGivesItsEndsAndTheLineDrawnFromThemHasExactPixels)
{
    ASSERT_EQ(Run("T'ht P'cleanbgpicture"), "");
    ASSERT_TRUE(LaunchTool("make \"got P'bgflexibleline P'bgline :got"));
    QTest::mousePress(page, Qt::LeftButton, Qt::NoModifier, QPoint(100, 100));
    QTest::mouseMove(page, QPoint(150, 120));
    // While the button is held the line shows over the page, but is not in its picture.
    auto view = static_cast<tPageView*>(page);
    EXPECT_TRUE(waitFor([&] { view->Refresh(); return (view->Shown().pixel(150, 120) & 0xFFFFFF) == 0; }));
    EXPECT_EQ(PicturePixel(150, 120), 0xFFFFFFu);
    QTest::mouseRelease(page, Qt::LeftButton, Qt::NoModifier, QPoint(150, 120));
    EXPECT_TRUE(waitFor([] { return PaintMode() == tPaintMode::kNone; }));
    EXPECT_TRUE(waitFor([&] { return Run("show :got") == "[[100 100] [150 120]]\n"; }));
    EXPECT_EQ(PicturePixel(100, 100), 0u);
    EXPECT_EQ(PicturePixel(150, 120), 0u);
    EXPECT_EQ(PicturePixel(151, 120), 0xFFFFFFu);
    EXPECT_EQ(PicturePixel(99, 100), 0xFFFFFFu);
    // The window drew nothing of its own: the same line drawn by bgline alone leaves the same picture.
    const QImage drawn = Picture();
    ASSERT_EQ(Run("P'cleanbgpicture P'bgline [[100 100] [150 120]]"), "");
    EXPECT_TRUE(drawn == Picture());
}

TEST_F(PageMouse, FlexibleToolsGiveTheirGeometryShiftSnapsAndTheRightButtonCancels)
{
    struct tCase {
        const char* tool;
        QPoint from;
        QPoint to;
        Qt::KeyboardModifiers keys;
        const char* expected;
    } cases[] = {
        {"bgflexiblerectangle", {300, 300}, {260, 330}, Qt::NoModifier, "[260 300 40 30]"},
        {"bgflexiblerectangle", {300, 300}, {260, 330}, Qt::ShiftModifier, "[270 300 30 30]"},
        {"bgflexibleline", {100, 200}, {150, 210}, Qt::ShiftModifier, "[[100 200] [150 200]]"},
        {"bgflexibleline", {100, 200}, {140, 170}, Qt::ShiftModifier, "[[100 200] [135 165]]"},
        {"bgflexibleline", {100, 200}, {95, 150}, Qt::ShiftModifier, "[[100 200] [100 150]]"},
        {"bgflexibleellipse", {10, 10}, {40, 60}, Qt::ShiftModifier, "[[10 10] [40 40]]"},
        {"bgflexiblefilledellipse", {10, 10}, {10, 10}, Qt::NoModifier, "[]"},
    };
    for (const tCase& c : cases) {
        SCOPED_TRACE(std::string(c.tool) + " to " + std::to_string(c.to.x()) + " " + std::to_string(c.to.y()));
        ASSERT_TRUE(LaunchTool(std::string("make \"got P'") + c.tool));
        DragLeft(c.from, c.to, c.keys);
        EXPECT_TRUE(waitFor([] { return PaintMode() == tPaintMode::kNone; }));
        EXPECT_TRUE(waitFor([&] { return Run("show :got") == std::string(c.expected) + "\n"; }));
    }
    ASSERT_TRUE(LaunchTool("make \"got P'bgflexibleline"));
    QTest::mousePress(page, Qt::LeftButton, Qt::NoModifier, QPoint(100, 100));
    QTest::mouseMove(page, QPoint(150, 120));
    QTest::mousePress(page, Qt::RightButton, Qt::NoModifier, QPoint(150, 120));
    EXPECT_TRUE(waitFor([&] { return Run("show :got") == "[]\n"; }));
    QTest::mouseRelease(page, Qt::RightButton, Qt::NoModifier, QPoint(150, 120));
    QTest::mouseRelease(page, Qt::LeftButton, Qt::NoModifier, QPoint(150, 120));
}

TEST_F(PageMouse, AToolWaitingForTheMouseEndsWithAStopAndTheMouseReachesTurtlesAgain)
{
    ASSERT_EQ(Run("T'st T'pu T'home"), "");
    ASSERT_TRUE(LaunchTool("make \"got P'bgflexibleline print \"finished"));
    // While the tool waits, a press on the turtle works the tool, not the turtle.
    QTest::mousePress(page, Qt::LeftButton, Qt::NoModifier, kOnTheTurtle + QPoint(0, 2));
    QTest::qWait(100);
    EXPECT_EQ(PaintMode(), tPaintMode::kLine);
    // "stopall" ends the line it stands in too, so it is typed alone.
    window->CommandLine().setFocus();
    QTest::keyClicks(&window->CommandLine(), "stopall");
    QTest::keyClick(&window->CommandLine(), Qt::Key_Return);
    EXPECT_TRUE(waitFor([] { return PaintMode() == tPaintMode::kNone; }));
    QTest::mouseRelease(page, Qt::LeftButton, Qt::NoModifier, kOnTheTurtle + QPoint(0, 2));
    QTest::mouseClick(page, Qt::LeftButton, Qt::NoModifier, kOnTheTurtle + QPoint(0, 2));
    EXPECT_TRUE(waitFor([&] { return Run("show T'clickedpos") == "[0 2]\n"; }));
    EXPECT_FALSE(window->Output().toPlainText().contains("\nfinished\n"));
}

TEST_F(PageMouse, FreehandDrawsTheChainThePointerWentThrough)
{
    ASSERT_EQ(Run("T'ht P'cleanbgpicture P'setbglinecolour [255 0 0] P'setbglinewidth 1"), "");
    ASSERT_TRUE(LaunchTool("P'bgfreehand print \"drawn"));
    QTest::mousePress(page, Qt::LeftButton, Qt::NoModifier, QPoint(200, 300));
    QTest::mouseMove(page, QPoint(210, 300));
    QTest::qWait(50);
    QTest::mouseMove(page, QPoint(210, 310));
    QTest::mouseRelease(page, Qt::LeftButton, Qt::NoModifier, QPoint(210, 310));
    EXPECT_TRUE(waitFor([&] { return window->Output().toPlainText().contains("\ndrawn\n"); }));
    for (QPoint on : {QPoint(200, 300), QPoint(205, 300), QPoint(210, 300), QPoint(210, 305), QPoint(210, 310)})
        EXPECT_EQ(PicturePixel(on.x(), on.y()), 0xFF0000u) << on.x() << " " << on.y();
    EXPECT_EQ(PicturePixel(205, 305), 0xFFFFFFu);
    ASSERT_EQ(Run("P'setbglinecolour 0"), "");
}

TEST_F(PageMouse, TheSprayPutsDotsWithinTheLineWidthOfThePointerWhileTheButtonIsHeld)
{
    ASSERT_EQ(Run("T'ht P'cleanbgpicture P'setbglinecolour [0 0 255] P'setbglinewidth 4"), "");
    // The blue pixels of the picture: how many, and whether each lies within 4 pixels of one
    // of the points.
    struct tBlue {
        int count = 0;
        bool allNear = true;
    };
    auto blue = [&](std::initializer_list<QPoint> near) {
        const QImage picture = Picture();
        tBlue found;
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x) {
                if ((picture.pixel(x, y) & 0xFFFFFF) != 0x0000FFu) continue;
                ++found.count;
                bool near_ = false;
                for (QPoint point : near)
                    near_ = near_ || (x - point.x()) * (x - point.x()) + (y - point.y()) * (y - point.y()) <= 16;
                found.allNear = found.allNear && near_;
            }
        return found;
    };
    ASSERT_TRUE(LaunchTool("P'bgspray print \"sprayed"));
    QTest::mousePress(page, Qt::LeftButton, Qt::NoModifier, QPoint(300, 300));
    // A width of 4 puts 4 dots a puff: more than 4 means it kept spraying while held.
    EXPECT_TRUE(waitFor([&] { return blue({{300, 300}}).count > 4; }));
    QTest::mouseMove(page, QPoint(400, 300));
    EXPECT_TRUE(waitFor([&] { return !blue({{300, 300}}).allNear; }));
    QTest::mouseRelease(page, Qt::LeftButton, Qt::NoModifier, QPoint(400, 300));
    EXPECT_TRUE(waitFor([&] { return Printed("sprayed"); }));
    const tBlue sprayed = blue({{300, 300}, {400, 300}});
    EXPECT_TRUE(sprayed.allNear);
    // Released, it sprays no more.
    QTest::qWait(200);
    EXPECT_EQ(blue({{300, 300}, {400, 300}}).count, sprayed.count);
    ASSERT_EQ(Run("P'setbglinecolour 0 P'setbglinewidth 1"), "");
}

TEST_F(PageMouse, SetmousecursorShapesThePointerOverThePage)
{
    const struct {
        const char* given;
        Qt::CursorShape shape;
    } cases[] = {
        {"\"cross", Qt::CrossCursor}, {"-21", Qt::PointingHandCursor}, {"\"HourGlass", Qt::WaitCursor},
        {"\"none", Qt::BlankCursor}, {"0", Qt::ArrowCursor},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.given);
        ASSERT_EQ(Run(std::string("setmousecursor ") + c.given), "");
        EXPECT_TRUE(waitFor([&] { return page->cursor().shape() == c.shape; }));
    }
    for (const char* unknown : {"7", "\"crosss", "-23"})
        EXPECT_NE(Run(std::string("setmousecursor ") + unknown).find("doesn't like"), std::string::npos) << unknown;
    EXPECT_EQ(page->cursor().shape(), Qt::ArrowCursor);
    // A picture, in colour unless the option says black and white: red is dark.
    ASSERT_EQ(Run("T'ht P'cleanbgpicture P'setbglinecolour [255 0 0] P'bgfilledrectangle [[0 0] [8 8]] "
                  "setmousecursor P'takepicture [-398 249 8 8]"),
              "");
    auto shownPixel = [&] { return page->cursor().pixmap().toImage().pixel(3, 3) & 0xFFFFFF; };
    EXPECT_TRUE(waitFor([&] { return page->cursor().shape() == Qt::BitmapCursor && shownPixel() == 0xFF0000u; }));
    EXPECT_EQ(page->cursor().pixmap().size(), QSize(8, 8));
    ASSERT_EQ(Run("setoption [colourcursor 0] setmousecursor P'takepicture [-398 249 8 8] setoption [colourcursor 1]"), "");
    EXPECT_TRUE(waitFor([&] { return shownPixel() == 0x000000u; }));
    ASSERT_EQ(Run("setmousecursor 0 P'setbglinecolour 0"), "");
}

}  // namespace
