#include <gtest/gtest.h>

#include "ImageFixtures.h"
#include "images/frameByHeading.h"
#include "images/imageTransforms.h"
#include "images/shapeAnimation.h"

namespace {

TEST(ImageTransforms, QuarterTurnsKeepEveryPixelAndMoveTheHotSpot)
{
    // A 3 x 1 strip with its hot spot on the left pixel hangs down from it after a quarter
    // turn clockwise, and points left after a half turn.
    tLogoPicture strip = patternPicture(3, 1, 4, false);
    strip.hotX = 0;
    strip.hotY = 0;
    strip.delay = 40;
    struct tCase {
        double degrees;
        int width, height, hotX, hotY;
        int pixelX[3], pixelY[3];  // where source pixel i lands
    };
    for (const tCase& c : {tCase{90, 1, 3, 0, 0, {0, 0, 0}, {0, 1, 2}}, tCase{180, 3, 1, 2, 0, {2, 1, 0}, {0, 0, 0}},
                           tCase{270, 1, 3, 0, 2, {0, 0, 0}, {2, 1, 0}}}) {
        SCOPED_TRACE(c.degrees);
        const tLogoPicture turned = rotatedPicture(strip, c.degrees);
        ASSERT_EQ(turned.Width(), c.width);
        ASSERT_EQ(turned.Height(), c.height);
        EXPECT_EQ(turned.hotX, c.hotX);
        EXPECT_EQ(turned.hotY, c.hotY);
        EXPECT_EQ(turned.delay, 40);
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(turned.colour.pixel(c.pixelX[i], c.pixelY[i]), strip.colour.pixel(i, 0)) << i;
            EXPECT_FALSE(turned.IsTransparent(c.pixelX[i], c.pixelY[i]));
        }
    }
}

TEST(ImageTransforms, HalfQuarterTurnLeavesTheCornersTransparent)
{
    tLogoPicture square = patternPicture(9, 9, 2, false);
    square.hotX = square.hotY = 4;
    const tLogoPicture turned = rotatedPicture(square, 45);
    EXPECT_GT(turned.Width(), 9);
    EXPECT_EQ(turned.Width(), turned.Height());
    EXPECT_TRUE(turned.IsTransparent(0, 0));
    EXPECT_FALSE(turned.IsTransparent(turned.hotX, turned.hotY));
    EXPECT_EQ(turned.colour.pixel(turned.hotX, turned.hotY), square.colour.pixel(4, 4));
}

TEST(ImageTransforms, TintScalesTheColourByBrightness)
{
    tLogoPicture picture;
    picture.colour = QImage(3, 1, QImage::Format_RGB32);
    picture.colour.setPixel(0, 0, qRgb(255, 255, 255));
    picture.colour.setPixel(1, 0, qRgb(0, 0, 0));
    picture.colour.setPixel(2, 0, qRgb(128, 128, 128));
    picture.mask = opaqueMask(3, 1);
    picture.mask.setPixel(1, 0, 1);
    const tLogoPicture tinted = tintedPicture(picture, 0xFF8000);
    EXPECT_EQ(tinted.colour.pixel(0, 0), qRgb(255, 128, 0));
    EXPECT_EQ(tinted.colour.pixel(1, 0), qRgb(0, 0, 0));
    EXPECT_EQ(tinted.colour.pixel(2, 0), qRgb(128, 64, 0));
    EXPECT_TRUE(tinted.IsTransparent(1, 0));
    EXPECT_EQ(picture.colour.pixel(0, 0), qRgb(255, 255, 255));
}

TEST(FrameByHeading, SectorsAreCentredOnTheFrameDirections)
{
    tLogoRef<tLogoImage> turtle = patternImage(std::vector<int>(24, 1), false);
    tLogoRef<tLogoImage> four = patternImage({1, 1, 1, 1}, false);
    four->zeroAngle = 90;
    tLogoRef<tLogoImage> numbered = patternImage({1, 1, 1}, false);
    numbered->style = tLogoImage::styleFrame;
    tLogoRef<tLogoImage> single = patternImage({1}, false);
    struct tCase {
        tLogoImage* image;
        long double heading;
        int frame;
    };
    for (const tCase& c : {tCase{turtle.get(), 7.4L, 0}, tCase{turtle.get(), 7.6L, 1}, tCase{turtle.get(), 352.6L, 0},
                           tCase{turtle.get(), 352.4L, 23}, tCase{turtle.get(), -15, 23}, tCase{turtle.get(), 720 + 30, 2},
                           tCase{four.get(), 90, 0}, tCase{four.get(), 0, 3}, tCase{four.get(), 180, 1},
                           tCase{numbered.get(), 200, 0}, tCase{single.get(), 200, 0}}) {
        EXPECT_EQ(frameForHeading(*c.image, c.heading), c.frame) << double(c.heading);
    }
    EXPECT_EQ(frameByIndex(*numbered, 7), 1);
    EXPECT_EQ(frameByIndex(*numbered, -1), 2);
    EXPECT_EQ(frameByIndex(*tLogoRef<tLogoImage>(new tLogoImage), 5), 0);
}

TEST(ShapeAnimation, FilmsWrapWhenLoopingAndStopOtherwise)
{
    tLogoRef<tLogoImage> image = patternImage({3, 1}, false);
    struct tCase {
        bool loop;
        int32_t frame, picture, next;
    };
    for (const tCase& c : {tCase{true, 0, 0, 1}, tCase{true, 0, 1, 2}, tCase{true, 0, 2, 0}, tCase{false, 0, 1, 2},
                           tCase{false, 0, 2, 2}, tCase{true, 1, 0, 0}, tCase{true, 5, 0, 0}}) {
        image->loop = c.loop;
        EXPECT_EQ(nextPicture(*image, c.frame, c.picture), c.next) << c.loop << " " << c.frame << " " << c.picture;
    }
    EXPECT_TRUE(framePlays(*image, 0));
    EXPECT_FALSE(framePlays(*image, 1));
    EXPECT_FALSE(framePlays(*image, 2));
    struct tDelay {
        int32_t delay;
        long double speed;
        int64_t milliseconds;
    };
    for (const tDelay& c : {tDelay{100, 1, 100}, tDelay{5, 0.5L, 3}, tDelay{3, 0.5L, 2}, tDelay{100, 0, 0}, tDelay{-10, 1, 0}})
        EXPECT_EQ(stepDelay(c.delay, c.speed), c.milliseconds) << c.delay << " " << double(c.speed);
}

}  // namespace
