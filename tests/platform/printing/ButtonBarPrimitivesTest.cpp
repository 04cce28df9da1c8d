#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "../../mainobj/MainObjectWorld.h"
#include "mainobj/system/buttonBar.h"

// The button bar's state as the primitives keep it, and what the window's bar is shown of it
// after each change.

namespace {

class tRecordingBar : public tButtonBarFront {
public:
    void Show(const tButtonBarState& state) override { shown.push_back(state); }
    std::vector<tButtonBarState> shown;
};

class ButtonBarPrimitives : public ::testing::Test {
protected:
    ButtonBarPrimitives() { installButtonBarFront(bar); }
    ~ButtonBarPrimitives() override
    {
        installButtonBarFront(nullptr);
        world.Run("setbuttons []  hidebuttons  setbuttonssize 24  .setbubblewindow \"true");
    }

    tMainObjectWorld world;
    std::shared_ptr<tRecordingBar> bar = std::make_shared<tRecordingBar>();
};

TEST_F(ButtonBarPrimitives, ButtonsAreCaptionsWithTheLinesTheyTypeAndTheirHelp)
{
    EXPECT_EQ(world.Run("show buttons"), "[]\n");
    world.Run("setbuttons [[Square [repeat 4 [fd 50 rt 90]] [Draws a square]] [[Clean up] [cs]]]");
    EXPECT_EQ(world.Run("show buttons"), "[[Square [repeat 4 [fd 50 rt 90]] [Draws a square]] [[Clean up] [cs]]]\n");
    ASSERT_EQ(bar->shown.size(), 1u);
    const std::vector<tBarButton>& buttons = bar->shown[0].buttons;
    ASSERT_EQ(buttons.size(), 2u);
    EXPECT_EQ(buttons[0].caption, "Square");
    EXPECT_EQ(buttons[0].instructions, "repeat 4 [fd 50 rt 90]");
    EXPECT_EQ(buttons[0].help, "Draws a square");
    EXPECT_EQ(buttons[1].caption, "Clean up");
    EXPECT_EQ(buttons[1].instructions, "cs");
    EXPECT_EQ(buttons[1].help, "");
    EXPECT_FALSE(bar->shown[0].shown) << "the bar shows only after showbuttons";
}

TEST_F(ButtonBarPrimitives, FaultyButtonListsChangeNothing)
{
    world.Run("setbuttons [[One [print 1]]]");
    const struct {
        const char* line;
        const char* error;
    } cases[] = {
        {"setbuttons \"Square", "erExpectList"},
        {"setbuttons [Square [fd 50]]", "erBadStructure"},
        {"setbuttons [[Square]]", "erBadStructure"},
        {"setbuttons [[Square fd]]", "erBadStructure"},
        {"setbuttons [[Square [fd 50] help more]]", "erBadStructure"},
        {"(setbuttons [] [])", "erTooManyInputs"},
        {"show (buttons 1)", "erTooManyInputs"},
    };
    for (const auto& c : cases) EXPECT_EQ(world.ErrorOf(c.line), c.error) << c.line;
    EXPECT_EQ(world.Run("show buttons"), "[[One [print 1]]]\n");
    EXPECT_EQ(bar->shown.size(), 1u);
}

TEST_F(ButtonBarPrimitives, SizeVisibilityAndBubbles)
{
    EXPECT_EQ(world.Run("print buttonssize  print .bubblewindow"), "24\ntrue\n");
    world.Run("setbuttonssize 40  showbuttons  .setbubblewindow \"false");
    EXPECT_EQ(world.Run("print buttonssize  print .bubblewindow"), "40\nfalse\n");
    ASSERT_EQ(bar->shown.size(), 3u);
    EXPECT_EQ(bar->shown[0].size, 40);
    EXPECT_TRUE(bar->shown[1].shown);
    EXPECT_FALSE(bar->shown[2].bubbles);
    world.Run("hidebuttons");
    EXPECT_FALSE(bar->shown.back().shown);
    EXPECT_EQ(world.ErrorOf("setbuttonssize 7"), "erMinMax");
    EXPECT_EQ(world.ErrorOf("setbuttonssize 129"), "erMinMax");
    EXPECT_EQ(world.ErrorOf(".setbubblewindow \"maybe"), "erNotBool");
    EXPECT_EQ(world.Run("print buttonssize"), "40\n");
}

}  // namespace
