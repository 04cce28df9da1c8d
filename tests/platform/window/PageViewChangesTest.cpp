#include <gtest/gtest.h>

#include <QPainter>

#include <functional>
#include <memory>

#include "platform/window/tPageView.h"
#include "turtle/tLogoTurtleParams.h"
#include "turtle/tgrScreen.h"
#include "values/tLogoRef.h"
#include "pieceApplication.h"

namespace {

// A page of 100 x 60 pixels with one shown turtle and a pane of 20 x 20 lying on it.
class SurfaceChanges : public ::testing::Test {
protected:
    SurfaceChanges() : screen(new tgrScreen(100, 60)), pane(new tgrScreen(20, 20)), turtle(new tLogoTurtleParams(*screen))
    {
        turtle->shown = true;
        screen->AddChild(pane.get());
    }

    // Whether the change count moved across `change`; asking twice without a change in
    // between must give the same count.
    bool Moves(const std::function<void()>& change)
    {
        const uint64_t before = screen->Changes();
        if (screen->Changes() != before) ADD_FAILURE() << "the count moved without a change";
        change();
        return screen->Changes() != before;
    }

    tLogoRef<tgrScreen> screen;
    tLogoRef<tgrScreen> pane;
    tLogoRef<tLogoTurtleParams> turtle;
};

TEST_F(SurfaceChanges, EverythingThatAltersThePageMovesTheCount)
{
    const struct {
        const char* what;
        std::function<void()> change;
    } cases[] = {
        {"a line drawn", [&] { turtle->Forward(10); }},
        {"a shown turtle moved with the pen up", [&] { turtle->MoveTo({5, 5}, tEdgeStyle::kWrap, tPenState::kUp); }},
        {"a shown turtle turned", [&] { turtle->TurnTo(45); }},
        {"a turtle hidden", [&] { turtle->shown = false; }},
        {"a turtle shown", [&] { turtle->shown = true; }},
        {"a look changed", [&] { screen->ChangeLook([&] { turtle->scaleX = 2; }); }},
        {"the pen colour the default look wears", [&] { turtle->pen.colour = 0xFF0000; }},
        {"the page cleaned", [&] { screen->Clean(); }},
        {"the page resized", [&] { screen->Resize(80, 50); }},
        {"pixels painted directly", [&] { QPainter(&screen->picture).fillRect(0, 0, 3, 3, Qt::red); }},
        {"one pixel set", [&] { screen->picture.setPixel(1, 1, 0xFF0000FFu); }},
        {"drawing on a pane", [&] { pane->Clean(); }},
        {"a pane moved", [&] { pane->MoveTo(7, 3); }},
        {"a pane taken away", [&] { pane->Detach(); }},
        {"a turtle leaving", [&] { turtle->Detach(); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_TRUE(Moves(c.change));
    }
}

TEST_F(SurfaceChanges, ReadingTheSurfaceAndMovingHiddenTurtlesLeaveTheCount)
{
    turtle->shown = false;
    const struct {
        const char* what;
        std::function<void()> change;
    } cases[] = {
        {"a hidden turtle moved with the pen up", [&] { turtle->MoveTo({5, 5}, tEdgeStyle::kWrap, tPenState::kUp); }},
        {"a hidden turtle turned", [&] { turtle->TurnTo(90); }},
        {"a pixel read", [&] { screen->PixelAt(3, 3); }},
        {"the page composed", [&] { screen->Composed(); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_FALSE(Moves(c.change));
    }
}

// The view keeps what it shows until the count moves, then shows the new composition.
TEST_F(SurfaceChanges, TheViewComposesWhenTheCountMoved)
{
    pieceApplication();
    tPageView view;
    view.ShowPage(nullptr, screen.get());
    EXPECT_EQ(view.Shown().size(), QSize(100, 60));
    EXPECT_FALSE(view.Refresh());
    turtle->shown = false;
    turtle->Forward(10);  // from the centre up, along x = 50
    EXPECT_TRUE(view.Refresh());
    EXPECT_EQ(view.Shown().pixel(50, 25) & 0xFFFFFFu, 0u);
    EXPECT_FALSE(view.Refresh());
}

}  // namespace
