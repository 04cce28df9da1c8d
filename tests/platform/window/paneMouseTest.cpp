#include <gtest/gtest.h>

#include <QHelpEvent>
#include <QToolTip>

#include "pageMouseTest.h"

// Panes lie over the page and its turtles: the mouse and the tooltips go to the topmost pane
// under the pointer, and to the turtles on it.

namespace {

// "board", 100 x 80 at (200, 300) of the page, holds the turtle "pen" at its origin (50, 40),
// page (250, 340). "cover", 50 x 50 at (280, 300), lies on board's right edge. The start-up
// turtle t1 waits under board at (260, 310).
const QPoint kOnBoard(210, 310);
const QPoint kOnBoardOverT1(260, 306);
const QPoint kOnPen(250, 336);
const QPoint kOnBoardAndCover(290, 320);
const QPoint kOnCoverOnly(320, 320);

class PaneMouse : public PageMouse {
protected:
    void SetUp() override
    {
        PageMouse::SetUp();
        ASSERT_EQ(Run("ask \"mainwindow1'page1 [new \"pane [name board pos [-198 -51] size [100 80]] "
                      "new \"pane [name cover pos [-118 -51] size [50 50]]] "
                      "ask \"mainwindow1'page1'board [new \"turtle [name pen]] T'pu T'setpos [-138 -61] T'st"),
                  "");
    }

    void TearDown() override
    {
        EXPECT_EQ(Run("ask \"mainwindow1'page1 [eraseobject \"board eraseobject \"cover sethint \" ] T'home T'sethint \""), "");
    }
};

TEST_F(PaneMouse, ClicksGoToTheTopmostPaneOrItsTurtleNeverToWhatLiesUnder)
{
    ASSERT_EQ(Run("T'setevent \"onclick [print \"t1] P'setevent \"onclick [print \"page] "
                  "P'board'setevent \"onclick [print \"board] P'cover'setevent \"onclick [print \"cover] "
                  "P'pen'setevent \"onclick [print \"pen]"),
              "");
    // A pane made in board, 20 x 20 at board's corner: page (200, 300).
    ASSERT_EQ(Run("ask \"mainwindow1'page1'board [new \"pane [name inner size [20 20] apos [0 0]]] "
                  "P'inner'setevent \"onclick [print \"inner]"),
              "");
    struct tCase {
        QPoint at;
        const char* heard;
    } cases[] = {{kOnBoardOverT1, "board"}, {kOnPen, "pen"}, {kOnBoardAndCover, "cover"}, {kOnThePage, "page"},
                 {{205, 305}, "inner"}};
    for (const tCase& c : cases) {
        SCOPED_TRACE(c.heard);
        const int before = CountPrinted(c.heard);
        QTest::mouseClick(page, Qt::LeftButton, Qt::NoModifier, c.at);
        EXPECT_TRUE(waitFor([&] { return CountPrinted(c.heard) == before + 1; }));
    }
    // A press on a pane is taken from the pane's top-left corner.
    EXPECT_TRUE(waitFor([&] { return Run("show P'board'clickedpos") == "[60 -6]\n"; }));
    // Brought to the front, board lies over cover.
    ASSERT_EQ(Run("ask \"mainwindow1'page1'board [tofront]"), "");
    const int boardBefore = CountPrinted("board");
    QTest::mouseClick(page, Qt::LeftButton, Qt::NoModifier, kOnBoardAndCover);
    EXPECT_TRUE(waitFor([&] { return CountPrinted("board") == boardBefore + 1; }));
    EXPECT_EQ(CountPrinted("t1"), 0);
    EXPECT_EQ(CountPrinted("cover"), 1);
    EXPECT_EQ(Run("T'eraseevent \"onclick P'eraseevent \"onclick ask \"mainwindow1'page1 [eraseobject \"inner]"), "");
}

TEST_F(PaneMouse, APaneHearsThePointerComeAndGoAndSeesItInItsOwnCoordinates)
{
    ASSERT_EQ(Run("P'board'setevent \"onmouseenter [print \"in] P'board'setevent \"onmouseleave [print \"out]"), "");
    QTest::mouseMove(page, kOnThePage);
    QTest::mouseMove(page, kOnBoard);
    EXPECT_TRUE(waitFor([&] { return Printed("in"); }));
    // Board's origin is its middle, (50, 40) of its own pixels.
    EXPECT_EQ(Run("show P'board'mousepos"), "[-40 30]\n");
    EXPECT_EQ(Run("show P'pen'mousepos"), "[-40 30]\n");
    // Onto a pane lying on it, the pointer leaves it.
    QTest::mouseMove(page, kOnCoverOnly);
    EXPECT_TRUE(waitFor([&] { return Printed("out"); }));
    QTest::mouseMove(page, kOnBoard);
    EXPECT_TRUE(waitFor([&] { return CountPrinted("in") == 2; }));
    QTest::mouseMove(page, kOnThePage);
    EXPECT_TRUE(waitFor([&] { return CountPrinted("out") == 2; }));
}

TEST_F(PaneMouse, TooltipsShowTheHintOfWhatIsOnTopUnderThePointer)
{
    ASSERT_EQ(Run("P'pen'sethint \"pen P'board'sethint \"board T'sethint \"t1 P'sethint \"page"), "");
    struct tCase {
        QPoint at;
        QString hint;
    } cases[] = {{kOnPen, "pen"}, {kOnBoardOverT1, "board"}, {kOnCoverOnly, "page"}};
    for (const tCase& c : cases) {
        SCOPED_TRACE(c.hint.toStdString());
        QHelpEvent help(QEvent::ToolTip, c.at, page->mapToGlobal(c.at));
        QApplication::sendEvent(page, &help);
        EXPECT_TRUE(waitFor([&] { return QToolTip::isVisible() && QToolTip::text() == c.hint; }))
            << QToolTip::text().toStdString();
    }
    // Out from under the pane, t1 shows its own.
    ASSERT_EQ(Run("T'home"), "");
    QHelpEvent help(QEvent::ToolTip, kOnTheTurtle, page->mapToGlobal(kOnTheTurtle));
    QApplication::sendEvent(page, &help);
    EXPECT_TRUE(waitFor([&] { return QToolTip::isVisible() && QToolTip::text() == "t1"; }));
}

TEST_F(PaneMouse, ShiftRightDragMovesAPaneAndCtrlRightDragOnItsGripResizesItKeepingItsPicture)
{
    ASSERT_EQ(Run("P'board'setevent \"onrightdown [print \"rightdown] "
                  "ask \"mainwindow1'page1'board [setbglinecolour [255 0 0] bgfilledrectangle [[0 0] [10 10]]]"),
              "");
    QTest::mousePress(page, Qt::RightButton, Qt::ShiftModifier, kOnBoard);
    EXPECT_TRUE(waitFor([&] { return page->cursor().shape() == Qt::SizeAllCursor; }));
    QTest::mouseMove(page, kOnBoard + QPoint(50, 20));
    QTest::mouseRelease(page, Qt::RightButton, Qt::ShiftModifier, kOnBoard + QPoint(50, 20));
    EXPECT_TRUE(waitFor([&] { return Run("show P'board'apos") == "[250 320]\n"; }));
    EXPECT_TRUE(waitFor([&] { return page->cursor().shape() == Qt::ArrowCursor; }));

    // The grip of a 100 x 80 pane is its bottom-right 10 x 8 pixels, now at (340, 392) of the page.
    QTest::mousePress(page, Qt::RightButton, Qt::ControlModifier, QPoint(345, 395));
    QTest::mouseMove(page, QPoint(365, 405));
    QTest::mouseRelease(page, Qt::RightButton, Qt::ControlModifier, QPoint(365, 405));
    EXPECT_TRUE(waitFor([&] { return Run("show P'board'size") == "[120 90]\n"; }));
    EXPECT_EQ(Run("show (list P'board'apos P'board'dotcolourat [-45 35] P'board'dotcolourat [-35 25])"),
              "[[250 320] 12 15]\n");
    EXPECT_EQ(CountPrinted("rightdown"), 0);

    // Off the grip Ctrl changes nothing: the press is the pane's.
    QTest::mousePress(page, Qt::RightButton, Qt::ControlModifier, QPoint(270, 380));
    QTest::mouseRelease(page, Qt::RightButton, Qt::ControlModifier, QPoint(270, 380));
    EXPECT_TRUE(waitFor([&] { return Printed("rightdown"); }));
    EXPECT_EQ(Run("show P'board'size"), "[120 90]\n");
}

TEST_F(PaneMouse, APaneWithAutoDragFollowsTheLeftButtonAndHearsTheDrag)
{
    ASSERT_EQ(Run("P'board'setautodrag \"true P'board'setevent \"ondrag [print \"dragged]"), "");
    // Taken 10 pixels right of and below its corner, it keeps that offset.
    QTest::mousePress(page, Qt::LeftButton, Qt::NoModifier, kOnBoard);
    QTest::mouseMove(page, kOnBoard + QPoint(40, 30));
    EXPECT_TRUE(waitFor([&] { return Run("show P'board'apos") == "[240 330]\n"; }));
    EXPECT_TRUE(waitFor([&] { return Printed("dragged"); }));
    QTest::mouseMove(page, kOnBoard + QPoint(60, 30));
    EXPECT_TRUE(waitFor([&] { return Run("show P'board'apos") == "[260 330]\n"; }));
    QTest::mouseRelease(page, Qt::LeftButton, Qt::NoModifier, kOnBoard + QPoint(60, 30));
    // Released, it stays.
    QTest::mouseMove(page, kOnThePage);
    QTest::qWait(100);
    EXPECT_EQ(Run("show P'board'apos"), "[260 330]\n");
}

TEST_F(PaneMouse, AProgramTakesAPaneByItsMiddleUntilAButtonGoesDown)
{
    ASSERT_EQ(Run("ask \"mainwindow1'page1'board [startdrag]"), "");
    // Board is 100 x 80: its middle follows the pointer.
    QTest::mouseMove(page, QPoint(400, 400));
    EXPECT_TRUE(waitFor([&] { return Run("show P'board'apos") == "[350 360]\n"; }));
    QTest::mouseClick(page, Qt::LeftButton, Qt::NoModifier, QPoint(400, 400));
    QTest::mouseMove(page, QPoint(450, 420));
    QTest::qWait(100);
    EXPECT_EQ(Run("show P'board'apos"), "[350 360]\n");
}

}  // namespace
