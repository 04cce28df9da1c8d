#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "controls/controlFront.h"
#include "controls/tLogoControlParams.h"

namespace {

// Counts what the window is told.
class tCountingFront : public tControlFront {
public:
    void Changed(std::shared_ptr<tLogoControlParams> control) override { changed.push_back(control->State().text); }
    void Removed(std::shared_ptr<tLogoControlParams>) override { ++removed; }
    std::vector<std::string> changed;
    int removed = 0;
};

class ControlState : public ::testing::Test {
protected:
    void SetUp() override { installControlFront(front); }
    void TearDown() override { installControlFront(nullptr); }
    std::shared_ptr<tCountingFront> front = std::make_shared<tCountingFront>();
};

TEST_F(ControlState, TheWindowHearsOfAControlOnceItIsAnnouncedAndUntilItIsWithdrawn)
{
    auto control = std::make_shared<tLogoControlParams>(tSimpleControlKind::kTextBox, nullptr);
    control->Change([](tSimpleControlState& state) { state.text = "made"; });
    EXPECT_TRUE(front->changed.empty()) << "told while it was being made";
    control->Announce();
    control->Change([](tSimpleControlState& state) { state.text = "set"; });
    EXPECT_EQ(front->changed, (std::vector<std::string>{"made", "set"}));
    EXPECT_TRUE(control->Announced());
    control->Withdraw();
    control->Change([](tSimpleControlState& state) { state.text = "late"; });
    EXPECT_EQ(front->changed.size(), 2u) << "told after it was withdrawn";
    EXPECT_EQ(front->removed, 1);
    EXPECT_FALSE(control->Announced());
}

TEST_F(ControlState, WhatTheUserDidIsStoredWithoutTellingTheWindowBack)
{
    auto control = std::make_shared<tLogoControlParams>(tSimpleControlKind::kTextBox, nullptr);
    control->Announce();
    front->changed.clear();
    control->TakeFromUser([](tSimpleControlState& state) { state.text = "typed"; });
    EXPECT_TRUE(front->changed.empty());
    EXPECT_EQ(control->State().text, "typed");
}

TEST_F(ControlState, AControlNeverAnnouncedIsNotRemovedFromTheWindow)
{
    auto control = std::make_shared<tLogoControlParams>(tSimpleControlKind::kButton, nullptr);
    control->Withdraw();
    EXPECT_EQ(front->removed, 0);
}

TEST_F(ControlState, OneChangeHandlerAtATime)
{
    tLogoControlParams control(tSimpleControlKind::kSlider, nullptr);
    EXPECT_TRUE(control.TakeChangeSlot());
    EXPECT_FALSE(control.TakeChangeSlot());
    control.FreeChangeSlot();
    EXPECT_TRUE(control.TakeChangeSlot());
}

}  // namespace
