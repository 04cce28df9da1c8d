#include <gtest/gtest.h>

#include "pageMouseTest.h"

// The common control switches of a pane as the window shows them: a hidden pane is not
// composed and the mouse reaches what lies under it; a disabled one hears no mouse, nor do its
// turtles; a frozen one (or one on a frozen page) is not moved or resized with the mouse.

namespace {

// "card", 100 x 80 at (200, 300) of the page, red, with the turtle "dot" at its middle (250, 340)
// of the page.
const QPoint kOnCard(210, 310);
const QPoint kOnDot(250, 336);
const QPoint kOffCard(100, 100);
constexpr QRgb kRed = 0xFF0000;
constexpr QRgb kWhite = 0xFFFFFF;

class PaneControls : public PageMouse {
protected:
    void SetUp() override
    {
        PageMouse::SetUp();
        ASSERT_EQ(Run("ask \"mainwindow1'page1 [new \"pane [name card pos [-198 -51] size [100 80] bgcolour [255 0 0]]] "
                      "ask \"mainwindow1'page1'card [new \"turtle [name dot]] "
                      "P'card'setevent \"onclick [print \"card] P'dot'setevent \"onclick [print \"dot] "
                      "P'setevent \"onclick [print \"page] P'card'setevent \"onrightdown [print \"rightdown]"),
                  "");
    }

    void TearDown() override
    {
        EXPECT_EQ(Run("ask \"mainwindow1'page1 [eraseobject \"card unfreezeme enable] P'eraseevent \"onclick"), "");
    }

    QRgb ShownPixel(QPoint at)
    {
        auto& view = static_cast<tPageView&>(*page);
        view.Refresh();
        return view.Shown().pixel(at) & 0xFFFFFF;
    }

    // Clicks at `at`, then on the page off the card, and waits for the page to hear the second
    // click: what the first one reached has been told by then.
    bool ClickThenPage(QPoint at)
    {
        const int pageBefore = CountPrinted("page");
        QTest::mouseClick(page, Qt::LeftButton, Qt::NoModifier, at);
        QTest::mouseClick(page, Qt::LeftButton, Qt::NoModifier, kOffCard);
        return waitFor([&] { return CountPrinted("page") > pageBefore; });
    }
};

TEST_F(PaneControls, AHiddenPaneIsNotShownAndTheMouseReachesWhatLiesUnderIt)
{
    EXPECT_TRUE(waitFor([&] { return ShownPixel(kOnCard) == kRed; }));
    ASSERT_EQ(Run("P'card'hideme"), "");
    EXPECT_TRUE(waitFor([&] { return ShownPixel(kOnCard) == kWhite; }));
    const int pageBefore = CountPrinted("page");
    const int heardBefore = CountPrinted("card") + CountPrinted("dot");
    QTest::mouseClick(page, Qt::LeftButton, Qt::NoModifier, kOnCard);
    EXPECT_TRUE(waitFor([&] { return CountPrinted("page") == pageBefore + 1; }));
    QTest::mouseClick(page, Qt::LeftButton, Qt::NoModifier, kOnDot);
    EXPECT_TRUE(waitFor([&] { return CountPrinted("page") == pageBefore + 2; }));
    EXPECT_EQ(CountPrinted("card") + CountPrinted("dot"), heardBefore);
    // Shown again it is where it was, and hears the mouse again.
    ASSERT_EQ(Run("P'card'showme"), "");
    EXPECT_TRUE(waitFor([&] { return ShownPixel(kOnCard) == kRed; }));
    const int cardBefore = CountPrinted("card");
    QTest::mouseClick(page, Qt::LeftButton, Qt::NoModifier, kOnCard);
    EXPECT_TRUE(waitFor([&] { return CountPrinted("card") == cardBefore + 1; }));
}

TEST_F(PaneControls, AShownPaneGoesBackUnderThePanesThatLayOverIt)
{
    // "cover", green, lies over the card's right half.
    ASSERT_EQ(Run("ask \"mainwindow1'page1 [new \"pane [name cover apos [250 300] size [100 80] bgcolour [0 255 0]]] "
                  "P'card'hideme P'card'showme"),
              "");
    EXPECT_TRUE(waitFor([&] { return ShownPixel({260, 310}) == 0x00FF00 && ShownPixel(kOnCard) == kRed; }));
    EXPECT_EQ(Run("ask \"mainwindow1'page1 [eraseobject \"cover]"), "");
}

TEST_F(PaneControls, ADisabledPaneHearsNoMouseNorDoItsTurtles)
{
    const int heardBefore = CountPrinted("card") + CountPrinted("dot");
    ASSERT_EQ(Run("P'card'disable"), "");
    EXPECT_TRUE(ClickThenPage(kOnCard));
    EXPECT_TRUE(ClickThenPage(kOnDot));
    EXPECT_EQ(CountPrinted("card") + CountPrinted("dot"), heardBefore);
    // Still shown.
    EXPECT_EQ(ShownPixel(kOnCard), kRed);
    ASSERT_EQ(Run("P'card'enable"), "");
    const int dotBefore = CountPrinted("dot");
    QTest::mouseClick(page, Qt::LeftButton, Qt::NoModifier, kOnDot);
    EXPECT_TRUE(waitFor([&] { return CountPrinted("dot") == dotBefore + 1; }));
}

TEST_F(PaneControls, AFrozenPaneOrOneOnAFrozenPageStaysWhereTheMousePutsIt)
{
    struct tCase {
        const char* freeze;
        const char* thaw;
    } cases[] = {{"P'card'freezeme", "P'card'unfreezeme"}, {"P'freezeme", "P'unfreezeme"}};
    for (const tCase& c : cases) {
        SCOPED_TRACE(c.freeze);
        ASSERT_EQ(Run(c.freeze), "");
        const int pressesBefore = CountPrinted("rightdown");
        QTest::mousePress(page, Qt::RightButton, Qt::ShiftModifier, kOnCard);
        QTest::mouseMove(page, kOnCard + QPoint(50, 20));
        QTest::mouseRelease(page, Qt::RightButton, Qt::ShiftModifier, kOnCard + QPoint(50, 20));
        // The press is an ordinary one then.
        EXPECT_TRUE(waitFor([&] { return CountPrinted("rightdown") == pressesBefore + 1; }));
        // The grip of the 100 x 80 card: its bottom-right 10 x 8 pixels, at (290, 372) of the page.
        QTest::mousePress(page, Qt::RightButton, Qt::ControlModifier, QPoint(295, 375));
        QTest::mouseMove(page, QPoint(315, 385));
        QTest::mouseRelease(page, Qt::RightButton, Qt::ControlModifier, QPoint(315, 385));
        EXPECT_TRUE(waitFor([&] { return CountPrinted("rightdown") == pressesBefore + 2; }));
        EXPECT_EQ(Run("show (list P'card'apos P'card'size)"), "[[200 300] [100 80]]\n");
        ASSERT_EQ(Run(c.thaw), "");
    }
    QTest::mousePress(page, Qt::RightButton, Qt::ShiftModifier, kOnCard);
    QTest::mouseMove(page, kOnCard + QPoint(50, 20));
    QTest::mouseRelease(page, Qt::RightButton, Qt::ShiftModifier, kOnCard + QPoint(50, 20));
    EXPECT_TRUE(waitFor([&] { return Run("show P'card'apos") == "[250 320]\n"; }));
}

}  // namespace
