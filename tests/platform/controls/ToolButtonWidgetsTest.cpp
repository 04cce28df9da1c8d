#include <gtest/gtest.h>

#include <QApplication>
#include <QFrame>
#include <QToolButton>

#include <functional>
#include <memory>

#include "controls/controlFront.h"
#include "controls/startControls.h"
#include "pageMouseTest.h"
#include "platform/controls/tQtControlFront.h"
#include "platform/window/tObjectWindows.h"
#include "turtle/windowFront.h"

// Tool buttons in the environment window: pressing one chooses the tool, and while it is chosen
// a left press on an object that accepts tools runs the tool's "onTool" in that object instead
// of the object's click.

namespace {

class ToolButtons : public PageMouse {
protected:
    void SetUp() override
    {
        PageMouse::SetUp();
        {
            tInterpreterLock::Holder setUp;
            startControls();
        }
        if (!controlFront())
            installControlFront(std::make_shared<tQtControlFront>(&fixture().window->PageView(), fixture().screen.get()));
        if (!windowFront()) installWindowFront(std::make_shared<tObjectWindowFront>());
    }
    // Later tests find the page and its turtle as they were.
    void TearDown() override
    {
        Run("foreach [pen eraser palette strip clear] [if objname? ? [eraseobject ?]] T'eraseevent \"onclick P'eraseevent \"onclick "
            "ask \"mainwindow1'page1't1 [haveown \"acceptstools \"false]");
    }

    // A shown widget among the candidates that fits, once there is one; none after the wait.
    template <class Widget>
    static Widget* ShownOne(const std::function<QList<Widget*>()>& candidates, const std::function<bool(Widget&)>& fits)
    {
        Widget* found = nullptr;
        waitFor([&] {
            for (Widget* widget : candidates())
                if (widget->isVisible() && fits(*widget)) found = widget;
            return found != nullptr;
        });
        return found;
    }

    // The shown tool button with that caption.
    QToolButton* Shown(const QString& caption)
    {
        return ShownOne<QToolButton>([this] { return page->findChildren<QToolButton*>(); },
                                     [&](QToolButton& button) { return button.text() == caption; });
    }

    // Clicks the shown tool button with that caption and waits until the program has chosen the
    // tool (the button turns over at once, before the press has reached the program); none when
    // either does not happen.
    QToolButton* Choose(const QString& caption)
    {
        QToolButton* button = Shown(caption);
        if (!button) return nullptr;
        QTest::mouseClick(button, Qt::LeftButton);
        return waitFor([&] { return Run("show activetoolbutton?") == "true\n"; }) ? button : nullptr;
    }
};

TEST_F(ToolButtons, PressingAToolChoosesItAndPressingItAgainLetsGoOfIt)
{
    ASSERT_EQ(Run("P'new \"toolbutton [name pen caption Pen apos [600 10]] "
                  "pen'setevent \"onpush [print \"chosen] pen'setevent \"onrelease [print \"dropped]"),
              "");
    QToolButton* button = Shown("Pen");
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->geometry(), QRect(600, 10, 28, 28));
    EXPECT_TRUE(button->icon().isNull());
    ASSERT_EQ(Run("pen'setpicture (takepicture [0 0 16 12])"), "");
    EXPECT_TRUE(waitFor([&] { return !button->icon().isNull(); })) << "the picture shows as its icon";
    QTest::mouseClick(button, Qt::LeftButton);
    ASSERT_TRUE(waitFor([&] { return Printed("chosen"); }));
    EXPECT_EQ(Run("show (list activetoolbutton'myname pen'down)"), "[pen true]\n");
    EXPECT_TRUE(waitFor([&] { return button->isChecked(); }));
    // Escape lets go of the tool and raises its button, firing nothing.
    QTest::keyClick(page, Qt::Key_Escape);
    EXPECT_TRUE(waitFor([&] { return Run("show (list activetoolbutton? pen'down)") == "[false false]\n"; }));
    EXPECT_TRUE(waitFor([&] { return !button->isChecked(); }));
    EXPECT_FALSE(Printed("dropped"));
    QTest::mouseClick(button, Qt::LeftButton);
    ASSERT_TRUE(waitFor([&] { return CountPrinted("chosen") == 2; }));
    QTest::mouseClick(button, Qt::LeftButton);
    ASSERT_TRUE(waitFor([&] { return Printed("dropped"); }));
    EXPECT_EQ(Run("show (list activetoolbutton? pen'down)"), "[false false]\n");
    EXPECT_TRUE(waitFor([&] { return !button->isChecked(); }));
}

TEST_F(ToolButtons, TheChosenToolActsOnWhatAcceptsToolsInsteadOfItsClick)
{
    ASSERT_EQ(Run("T'pu T'home T'setevent \"onclick [print \"turtleclick] P'setevent \"onclick [print \"pageclick] "
                  "ask \"mainwindow1'page1't1 [haveown \"acceptstools \"true] "
                  "P'new \"toolbutton [name pen caption Pen apos [600 10] down true] "
                  "pen'setevent \"ontool [print (word \"tool: myname)]"),
              "");
    QTest::mouseClick(page, Qt::LeftButton, Qt::NoModifier, kOnTheTurtle);
    ASSERT_TRUE(waitFor([&] { return Printed("tool:t1"); }));
    // The page does not accept tools: its click is its own.
    QTest::mouseClick(page, Qt::LeftButton, Qt::NoModifier, kOnThePage);
    ASSERT_TRUE(waitFor([&] { return Printed("pageclick"); }));
    EXPECT_FALSE(Printed("turtleclick"));
    EXPECT_EQ(CountPrinted("tool:t1"), 1);
    // Without a tool the turtle hears its click again.
    ASSERT_EQ(Run("pen'setdown \"false"), "");
    QTest::mouseClick(page, Qt::LeftButton, Qt::NoModifier, kOnTheTurtle);
    EXPECT_TRUE(waitFor([&] { return Printed("turtleclick"); }));
    EXPECT_EQ(CountPrinted("tool:t1"), 1);
}

TEST_F(ToolButtons, AOneShotToolComesUpAfterOneAction)
{
    ASSERT_EQ(Run("T'pu T'home ask \"mainwindow1'page1't1 [haveown \"acceptstools \"true] "
                  "P'new \"toolbutton [name eraser caption Eraser apos [600 50] oneshot true] "
                  "eraser'setevent \"ontool [print \"erased]"),
              "");
    QToolButton* button = Choose("Eraser");
    ASSERT_NE(button, nullptr);
    EXPECT_TRUE(button->isChecked());
    QTest::mouseClick(page, Qt::LeftButton, Qt::NoModifier, kOnTheTurtle);
    ASSERT_TRUE(waitFor([&] { return Printed("erased"); }));
    EXPECT_TRUE(waitFor([&] { return !button->isChecked(); }));
    EXPECT_EQ(Run("show (list activetoolbutton? eraser'down)"), "[false false]\n");
}

TEST_F(ToolButtons, AToolWindowFloatsOverTheEnvironmentsWindow)
{
    ASSERT_EQ(Run("new \"toolwindow [name palette apos [30 40]]"), "");
    QWidget* shown =
        ShownOne<QWidget>(&QApplication::topLevelWidgets, [](QWidget& widget) { return widget.objectName() == "palette"; });
    ASSERT_NE(shown, nullptr);
    EXPECT_EQ(shown->windowType(), Qt::Tool);
    EXPECT_EQ(shown->pos(), QPoint(30, 40));
    EXPECT_EQ(shown->size(), QSize(120, 320));
}

TEST_F(ToolButtons, AToolBarLinesItsToolsAndSeparatorsUpOverThePage)
{
    ASSERT_EQ(Run("P'new \"toolbar [name strip apos [0 400]] "
                  "ask \"strip [new \"toolbutton [caption A] new \"separator [] new \"toolbutton [caption B]]"),
              "");
    QToolButton* second = Shown("B");
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(second->geometry(), QRect(42, 402, 28, 28));
    QFrame* line = ShownOne<QFrame>([this] { return page->findChildren<QFrame*>(); },
                                    [](QFrame& frame) { return frame.frameShape() == QFrame::VLine; });
    ASSERT_NE(line, nullptr);
    EXPECT_EQ(line->geometry(), QRect(32, 402, 8, 28));
}

TEST_F(ToolButtons, AToolWithoutAllUpStaysDownWhenPressedAgain)
{
    ASSERT_EQ(Run("P'new \"toolbutton [name pen caption Pen apos [600 10] allup false] "
                  "pen'setevent \"onrelease [print \"raisedagain]"),
              "");
    QToolButton* button = Choose("Pen");
    ASSERT_NE(button, nullptr);
    QTest::mouseClick(button, Qt::LeftButton);
    // The press has reached the program once its button shows down again.
    EXPECT_TRUE(waitFor([&] { return button->isChecked(); }));
    EXPECT_EQ(Run("show (list activetoolbutton'myname pen'down)"), "[pen true]\n");
    EXPECT_FALSE(Printed("raisedagain"));
}

TEST_F(ToolButtons, APlainToolBarButtonIsHeldWhilePressedAndLetsGoOfTheTool)
{
    ASSERT_EQ(Run("P'new \"toolbutton [name pen caption Pen apos [600 10] down true] "
                  "P'new \"toolbutton [name clear caption Clear apos [600 50] group 0] "
                  "clear'setevent \"onpush [print \"clearing] clear'setevent \"onrelease [print \"cleared]"),
              "");
    QToolButton* button = Shown("Clear");
    ASSERT_NE(button, nullptr);
    EXPECT_FALSE(button->isCheckable());
    QTest::mousePress(button, Qt::LeftButton);
    ASSERT_TRUE(waitFor([&] { return Printed("clearing"); }));
    EXPECT_EQ(Run("show (list clear'down activetoolbutton? pen'down)"), "[true false false]\n");
    QTest::mouseRelease(button, Qt::LeftButton);
    ASSERT_TRUE(waitFor([&] { return Printed("cleared"); }));
    EXPECT_EQ(Run("show clear'down"), "false\n");
}

}  // namespace
