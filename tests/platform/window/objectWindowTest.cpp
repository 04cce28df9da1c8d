#include <gtest/gtest.h>

#include <QApplication>

#include <memory>

#include "pageMouseTest.h"
#include "platform/window/tObjectWindows.h"
#include "turtle/windowFront.h"

// Window objects made with "new "window" are top-level windows of the desktop: they show
// their page, follow the object's properties, and go when the object goes.

namespace {

class ObjectWindows : public PageMouse {
protected:
    void SetUp() override
    {
        PageMouse::SetUp();
        static const bool installed = [] {
            installWindowFront(std::make_shared<tObjectWindowFront>());
            return true;
        }();
        ASSERT_TRUE(installed);
    }

    void TearDown() override { EXPECT_EQ(Run("if memberp \"w objects [eraseobject \"w]"), ""); }

    static QWidget* TopLevel(const QString& name)
    {
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (widget->objectName() == name) return widget;
        return nullptr;
    }
};

TEST_F(ObjectWindows, AWindowObjectIsATopLevelWindowThatFollowsItsProperties)
{
    ASSERT_EQ(Run("new \"window [name w caption [my drawings] size [300 200] apos [40 50]]"), "");
    QWidget* shown = TopLevel("w");
    ASSERT_NE(shown, nullptr);
    EXPECT_TRUE(waitFor([&] { return shown->isVisible(); }));
    EXPECT_EQ(shown->windowTitle(), "my drawings");
    // The corner is the window's frame's, the size that of what it shows.
    EXPECT_EQ(shown->pos(), QPoint(40, 50));
    EXPECT_EQ(shown->size(), QSize(300, 200));
    ASSERT_EQ(Run("ask \"w [hideme disable setcaption \"plain setsize [320 210]]"), "");
    EXPECT_FALSE(shown->isVisible());
    EXPECT_FALSE(shown->isEnabled());
    EXPECT_EQ(shown->windowTitle(), "plain");
    EXPECT_EQ(shown->size(), QSize(320, 210));
    ASSERT_EQ(Run("ask \"w [showme enable]"), "");
    EXPECT_TRUE(shown->isVisible());
    EXPECT_TRUE(shown->isEnabled());
    // Moved by the user, the object knows where it stands.
    shown->move(70, 80);
    EXPECT_TRUE(waitFor([&] { return Run("show ask \"w [apos]") == "[70 80]\n"; }));
    // Erased, it is gone.
    ASSERT_EQ(Run("eraseobject \"w"), "");
    EXPECT_EQ(TopLevel("w"), nullptr);
}

TEST_F(ObjectWindows, AWindowShowsThePageItShowsAndNothingOnceThatPageIsGone)
{
    ASSERT_EQ(Run("new \"window [name w size [200 150]] ask \"w [new \"page [name one bgcolour [255 0 0]]]"), "");
    QWidget* shown = TopLevel("w");
    ASSERT_NE(shown, nullptr);
    auto* view = shown->findChild<tPageView*>();
    ASSERT_NE(view, nullptr);
    auto shownColour = [&] {
        view->Refresh();
        return view->Shown().isNull() ? 0u : view->Shown().pixel(10, 10) & 0xFFFFFF;
    };
    EXPECT_TRUE(waitFor([&] { return shownColour() == 0xFF0000; }));
    ASSERT_EQ(Run("ask \"w [new \"page [name two bgcolour [0 0 255]] setactivepage \"two]"), "");
    EXPECT_TRUE(waitFor([&] { return shownColour() == 0x0000FF; }));
    ASSERT_EQ(Run("ask \"w [eraseobject \"two]"), "");
    EXPECT_TRUE(waitFor([&] { return view->Shown().isNull(); }));
}

TEST_F(ObjectWindows, TheMouseReachesTheTurtlesOfAWindowsPageAndStillThoseOfTheShownPage)
{
    // A 200 x 150 page has its origin at (100, 75); the turtle's look covers (100, 71) there.
    ASSERT_EQ(Run("new \"window [name w size [200 150]] ask \"w [new \"page [name one size [200 150]]] "
                  "ask \"w'one [new \"turtle [name ann]] ask \"w'one'ann [setevent \"onclick [print \"ann]] "
                  "T'setevent \"onclick [print \"t1]"),
              "");
    QWidget* shown = TopLevel("w");
    ASSERT_NE(shown, nullptr);
    auto* view = shown->findChild<tPageView*>();
    ASSERT_NE(view, nullptr);
    ASSERT_TRUE(waitFor([&] { return view->isVisible() && !view->Shown().isNull(); }));
    const int annBefore = CountPrinted("ann");
    const int t1Before = CountPrinted("t1");
    QTest::mouseClick(view, Qt::LeftButton, Qt::NoModifier, QPoint(100, 71));
    EXPECT_TRUE(waitFor([&] { return CountPrinted("ann") == annBefore + 1; }));
    QTest::mouseClick(page, Qt::LeftButton, Qt::NoModifier, kOnTheTurtle);
    EXPECT_TRUE(waitFor([&] { return CountPrinted("t1") == t1Before + 1; }));
    EXPECT_EQ(CountPrinted("ann"), annBefore + 1);
    // The shown page's conversions still work on the shown page.
    EXPECT_EQ(Run("T'eraseevent \"onclick show upperleft"), "[-398 249]\n");
}

TEST_F(ObjectWindows, ClosingHidesTheWindowUnlessItsOnEraseHandlerDecides)
{
    ASSERT_EQ(Run("new \"window [name w]"), "");
    QWidget* shown = TopLevel("w");
    ASSERT_NE(shown, nullptr);
    ASSERT_TRUE(waitFor([&] { return shown->isVisible(); }));
    shown->close();
    EXPECT_TRUE(waitFor([&] { return !shown->isVisible(); }));
    EXPECT_EQ(Run("show ask \"w [shown]"), "false\n");
    ASSERT_EQ(Run("ask \"w [showme setevent \"onerase [print \"asked]]"), "");
    ASSERT_TRUE(shown->isVisible());
    shown->close();
    EXPECT_TRUE(waitFor([&] { return Printed("asked"); }));
    EXPECT_TRUE(shown->isVisible());
    EXPECT_EQ(Run("show ask \"w [shown]"), "true\n");
}

}  // namespace
