#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "controls/controlUserActions.h"
#include "controls/tLogoControlParams.h"

namespace {

using tEvents = std::vector<tEventKey>;
constexpr tEventKey kPush = tEventKey::onPush;
constexpr tEventKey kRelease = tEventKey::onRelease;
constexpr tEventKey kChange = tEventKey::onChange;
constexpr tEventKey kChanged = tEventKey::onChanged;

std::shared_ptr<tLogoControlParams> control(tSimpleControlKind kind, bool latching = false)
{
    auto made = std::make_shared<tLogoControlParams>(kind, nullptr);
    made->Change([latching](tSimpleControlState& state) { state.latching = latching; });
    return made;
}

// A press and a release, then another press and release: what each fires and the state after it.
struct tPushCase {
    const char* what;
    tSimpleControlKind kind;
    bool latching;
    std::vector<tEvents> fired;  // after press, release, press, release
    std::vector<bool> down;
};

TEST(UserActions, PushesFireByKind)
{
    const tPushCase cases[] = {
        {"a plain button is down while held", tSimpleControlKind::kButton, false, {{kPush}, {kRelease}, {kPush}, {kRelease}}, {true, false, true, false}},
        {"a latching button turns over on each press", tSimpleControlKind::kButton, true, {{kPush}, {}, {kRelease}, {}}, {true, true, false, false}},
        {"a switch turns over on each press", tSimpleControlKind::kSwitch, false, {{kPush}, {}, {kRelease}, {}}, {true, true, false, false}},
    };
    for (const tPushCase& one : cases) {
        auto button = control(one.kind, one.latching);
        const bool presses[] = {true, false, true, false};
        for (size_t i = 0; i < 4; ++i) {
            EXPECT_EQ(reportPush(*button, presses[i]), one.fired[i]) << one.what << ", step " << i;
            EXPECT_EQ(button->State().down, one.down[i]) << one.what << ", step " << i;
        }
    }
}

TEST(UserActions, AReleaseWithoutAPressFiresNothing)
{
    auto button = control(tSimpleControlKind::kButton);
    EXPECT_TRUE(reportPush(*button, false).empty());
}

TEST(UserActions, EditsFireChangeAndTheEndOfAnEditFiresChangedOnlyAfterAChange)
{
    auto box = control(tSimpleControlKind::kTextBox);
    EXPECT_EQ(reportEdit(*box, {}, true), tEvents{}) << "leaving an untouched box";
    EXPECT_EQ(reportEdit(*box, "h", false), tEvents{kChange});
    EXPECT_EQ(reportEdit(*box, "hi", false), tEvents{kChange});
    EXPECT_EQ(reportEdit(*box, "hi", false), tEvents{}) << "the same text again is no change";
    EXPECT_EQ(box->State().text, "hi");
    EXPECT_EQ(reportEdit(*box, {}, true), tEvents{kChanged});
    EXPECT_EQ(reportEdit(*box, {}, true), tEvents{}) << "a second end without a change";
    EXPECT_EQ(box->State().text, "hi") << "ending an edit keeps the text";
}

TEST(UserActions, SlidingKeepsTheValueInItsBoundsAndSettlesWhenLetGo)
{
    auto slider = control(tSimpleControlKind::kSlider);
    slider->Change([](tSimpleControlState& state) {
        state.minimum = 10;
        state.maximum = 20;
        state.value = 15;
    });
    EXPECT_EQ(reportSlide(*slider, 18, false), tEvents{kChange});
    EXPECT_EQ(reportSlide(*slider, 99, false), tEvents{kChange});
    EXPECT_EQ(slider->State().value, 20);
    EXPECT_EQ(reportSlide(*slider, 20, true), (tEvents{kChanged})) << "let go where it was";
    // A key moves it in one step: changed and settled at once.
    EXPECT_EQ(reportSlide(*slider, 19, true), (tEvents{kChange, kChanged}));
    EXPECT_EQ(reportSlide(*slider, 19, true), tEvents{});
}

}  // namespace
