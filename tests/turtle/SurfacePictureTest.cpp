#include <gtest/gtest.h>

#include <QImage>

#include <thread>
#include <vector>

#include "turtle/surfacePicture.h"

namespace {

constexpr uint32_t kWhite = 0xFFFFFF;
constexpr uint32_t kBlue = 0x0000FF;

// Before the picture is first used, cleaning and resizing only change what it will be made as;
// what it shows when first used must be exactly what the eager picture would have shown.
TEST(SurfacePicture, ChangesBeforeFirstUseShowWhenItIsMade)
{
    tSurfacePicture picture(30, 20, kWhite);
    EXPECT_EQ(picture.width(), 30);
    picture.Fill(kBlue);
    EXPECT_TRUE(picture.ResizeUnmade(8, 6, kBlue));
    EXPECT_EQ(picture.size(), QSize(8, 6));
    const QImage& made = picture.Image();
    EXPECT_EQ(made.size(), QSize(8, 6));
    EXPECT_EQ(made.format(), QImage::Format_RGB32);
    EXPECT_EQ(made.pixel(0, 0) & 0xFFFFFF, kBlue);
    EXPECT_EQ(made.pixel(7, 5) & 0xFFFFFF, kBlue);
}

// Once made, a fill acts on the pixels at once, drawing keeps what it drew, and a resize is left
// to the surface (which keeps the drawing).
TEST(SurfacePicture, AfterFirstUseFillsActOnThePixels)
{
    tSurfacePicture picture(4, 4, kWhite);
    picture.setPixel(1, 1, 0xFFFF0000);
    EXPECT_EQ(picture.pixel(1, 1), 0xFFFF0000u);
    EXPECT_EQ(picture.pixel(0, 0) & 0xFFFFFF, kWhite);
    picture.Fill(kBlue);
    EXPECT_EQ(picture.pixel(1, 1) & 0xFFFFFF, kBlue);
    EXPECT_FALSE(picture.ResizeUnmade(2, 3, kWhite));
    EXPECT_EQ(picture.size(), QSize(4, 4));
}

// Threads that use the picture first at the same moment all see the one made picture.
TEST(SurfacePicture, FirstUseFromManyThreadsMakesOnePicture)
{
    tSurfacePicture picture(64, 64, kBlue);
    std::vector<const uchar*> seen(8);
    std::vector<std::thread> threads;
    for (size_t i = 0; i < seen.size(); ++i)
        threads.emplace_back([&, i] { seen[i] = picture.Image().constBits(); });
    for (std::thread& t : threads) t.join();
    for (const uchar* bits : seen) EXPECT_EQ(bits, seen[0]);
    EXPECT_EQ(picture.pixel(63, 63) & 0xFFFFFF, kBlue);
}

}  // namespace
