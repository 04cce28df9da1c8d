#include <gtest/gtest.h>

#include <QLabel>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWidget>

#include <memory>
#include <string>
#include <vector>

#include "offscreenApplication.h"
#include "platform/printing/tQtButtonBar.h"
#include "platform/window/tEnvironmentWindow.h"

// The window's button bar: where it sits, what its buttons show, and the lines they type.

namespace {

class QtButtonBar : public ::testing::Test {
protected:
    static void SetUpTestSuite() { offscreenApplication(); }

    QtButtonBar() { window.show(); }

    // A window whose layout already holds its page, as the environment window's does.
    static QWidget* withPage(QWidget& window)
    {
        auto* column = new QVBoxLayout(&window);
        column->addWidget(new QLabel(QStringLiteral("page")));
        return &window;
    }

    std::vector<QToolButton*> Buttons() const
    {
        std::vector<QToolButton*> buttons;
        for (QAction* action : bar.Bar()->actions())
            buttons.push_back(qobject_cast<QToolButton*>(bar.Bar()->widgetForAction(action)));
        return buttons;
    }

    static tButtonBarState TwoButtons()
    {
        tButtonBarState state;
        state.buttons = {{"Square", "repeat 4 [fd 50 rt 90]", "Draws a square"}, {"Clean", "cs", ""}};
        state.size = 40;
        state.shown = true;
        return state;
    }

    QWidget window;
    std::vector<std::string> typed;
    tQtButtonBarFront bar{withPage(window), [this](std::string line) { typed.push_back(std::move(line)); }};
};

TEST_F(QtButtonBar, ShownButtonsTypeTheirLines)
{
    EXPECT_EQ(window.layout()->itemAt(0)->widget(), bar.Bar()) << "the bar lies above what the window held";
    EXPECT_FALSE(bar.Bar()->isVisible());
    bar.Show(TwoButtons());
    EXPECT_TRUE(bar.Bar()->isVisible());
    EXPECT_GT(buttonBarHeight(), 0);
    const std::vector<QToolButton*> buttons = Buttons();
    ASSERT_EQ(buttons.size(), 2u);
    EXPECT_EQ(buttons[0]->text(), QStringLiteral("Square"));
    EXPECT_EQ(buttons[0]->toolTip(), QStringLiteral("Draws a square"));
    EXPECT_EQ(buttons[1]->toolTip(), QString()) << "no help, no bubble";
    EXPECT_EQ(buttons[0]->minimumSize(), QSize(40, 40));
    buttons[0]->click();
    buttons[1]->click();
    EXPECT_EQ(typed, (std::vector<std::string>{"repeat 4 [fd 50 rt 90]", "cs"}));
}

TEST_F(QtButtonBar, HiddenBarsAndBubblesOff)
{
    tButtonBarState state = TwoButtons();
    state.bubbles = false;
    bar.Show(state);
    ASSERT_EQ(Buttons().size(), 2u);
    EXPECT_EQ(Buttons()[0]->toolTip(), QString());
    state.buttons.pop_back();
    state.shown = false;
    bar.Show(state);
    EXPECT_EQ(Buttons().size(), 1u) << "the bar shows the new buttons in place of the old";
    EXPECT_FALSE(bar.Bar()->isVisible());
    EXPECT_EQ(buttonBarHeight(), 0);
}

// In the environment window the bar lies below the menu bar, above the page and command area.
TEST_F(QtButtonBar, TheEnvironmentWindowHasItAboveItsPage)
{
    tEnvironmentWindow environment;
    tQtButtonBarFront environmentBar(&environment, [](std::string) {});
    ASSERT_NE(environment.layout(), nullptr);
    EXPECT_EQ(environment.layout()->itemAt(0)->widget(), environmentBar.Bar());
    EXPECT_EQ(environment.layout()->count(), 2);
}

}  // namespace
