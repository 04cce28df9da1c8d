#include <gtest/gtest.h>

#include <QImage>

#include "turtle/tgrScreen.h"
#include "turtle/undoStore.h"
#include "values/tLogoRef.h"

namespace {

constexpr QRgb kRed = 0xFFFF0000;
constexpr QRgb kWhite = 0xFFFFFFFF;

TEST(UndoStore, UndoSwapsWithTheSavedPictureSoASecondUndoRedoes)
{
    tLogoRef<tgrScreen> screen(new tgrScreen(20, 10));
    saveForUndo(*screen);
    screen->picture.setPixel(3, 4, kRed);
    ASSERT_TRUE(undoDrawing());
    EXPECT_EQ(screen->picture.pixel(3, 4), kWhite);
    ASSERT_TRUE(undoDrawing());
    EXPECT_EQ(screen->picture.pixel(3, 4), kRed);
    EXPECT_EQ(undoOwner(), screen.get());
}

// A picture that changed its size in between comes back with its own size and range.
TEST(UndoStore, TheRangeFollowsThePictureThatComesBack)
{
    tLogoRef<tgrScreen> screen(new tgrScreen(20, 10));
    saveForUndo(*screen);
    screen->Resize(5, 6);
    ASSERT_TRUE(undoDrawing());
    EXPECT_EQ(screen->Width(), 20);
    EXPECT_EQ(screen->range.right, 19);
    EXPECT_EQ(screen->range.bottom, 9);
}

// One store for the whole system: saving another surface replaces the copy, and a surface
// going away takes its copy with it.
TEST(UndoStore, TheStoreHoldsOneSurfaceAndForgetsItWhenItGoes)
{
    tLogoRef<tgrScreen> first(new tgrScreen(4, 4));
    tLogoRef<tgrScreen> second(new tgrScreen(4, 4));
    saveForUndo(*first);
    saveForUndo(*second);
    first->picture.setPixel(0, 0, kRed);
    ASSERT_TRUE(undoDrawing());
    EXPECT_EQ(first->picture.pixel(0, 0), kRed);
    second = nullptr;
    EXPECT_EQ(undoOwner(), nullptr);
    EXPECT_FALSE(undoDrawing());
}

}  // namespace
