#include <gtest/gtest.h>

#include <QImage>

#include <chrono>
#include <string>
#include <thread>
#include <vector>

#include "images/imageShapes.h"
#include "images/tLogoImage.h"
#include "turtle/tLogoTurtleParams.h"
#include "turtle/tShapeAnim.h"
#include "turtle/tgrScreen.h"
#include "turtle/turtleLook.h"
#include "values/eLogoException.h"
#include "values/tLogoList.h"
#include "values/tLogoRef.h"

namespace {

constexpr QRgb kWhite = 0xFFFFFFFF;
const QRgb kFrameColours[] = {0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0xFFFFFF00};

// A 5 x 5 picture of one colour, hot spot (1, 2), its bottom-right pixel transparent.
tLogoPicture square(QRgb colour)
{
    tLogoPicture picture;
    picture.colour = QImage(5, 5, QImage::Format_RGB32);
    picture.colour.fill(colour);
    picture.mask = opaqueMask(5, 5);
    picture.mask.setPixel(4, 4, 1);
    picture.colour.setPixel(4, 4, 0xFF000000);
    picture.hotX = 1;
    picture.hotY = 2;
    return picture;
}

// Four frames of different colours: north, east, south, west for a heading image.
tLogoRef<tLogoImage> fourFrames(uint8_t style)
{
    tLogoRef<tLogoImage> image(new tLogoImage);
    for (QRgb colour : kFrameColours) image->frames.push_back(makeFrame({square(colour)}));
    image->style = style;
    return image;
}

// A shown turtle at (20, 20) of a white 40 x 40 page.
class TurtleShape : public ::testing::Test {
protected:
    TurtleShape() : screen(new tgrScreen(40, 40)), turtle(new tLogoTurtleParams(*screen))
    {
        screen->Clean();
        turtle->position = {20, 20};
        turtle->shown = true;
    }

    void Wear(const tLogoImage& image) { wearShape(*turtle, imageShape(image)); }

    tLogoRef<tgrScreen> screen;
    tLogoRef<tLogoTurtleParams> turtle;
};

TEST_F(TurtleShape, TheHeadingPicksTheFrameAndTheHotSpotSitsOnTheTurtle)
{
    Wear(*fourFrames(tLogoImage::styleHeading));
    const struct {
        long double heading;
        int frame;
    } cases[] = {{0, 0}, {44, 0}, {46, 1}, {90, 1}, {180, 2}, {270, 3}, {316, 0}};
    for (const auto& c : cases) {
        turtle->SetHeading(c.heading);
        const QImage shown = screen->Composed();
        const QRgb colour = kFrameColours[c.frame];
        SCOPED_TRACE(static_cast<double>(c.heading));
        // Picture pixel (x, y) lands on (19 + x, 18 + y).
        EXPECT_EQ(shown.pixel(20, 20), colour);
        EXPECT_EQ(shown.pixel(19, 18), colour);
        EXPECT_EQ(shown.pixel(22, 21), colour);
        EXPECT_EQ(shown.pixel(23, 22), kWhite) << "transparent pixel";
        EXPECT_EQ(shown.pixel(18, 20), kWhite);
        EXPECT_EQ(shown.pixel(24, 20), kWhite);
        EXPECT_EQ(shown.pixel(20, 17), kWhite);
    }
    EXPECT_EQ(screen->PixelAt(20, 20), 0xFFFFFFu) << "the shape never enters the picture";
}

TEST_F(TurtleShape, NumberedFramesFollowTheFrameIndexNotTheHeading)
{
    const struct {
        uint8_t style;
        bool frameMode;
        int32_t frameIndex;
        int frame;
    } cases[] = {
        {tLogoImage::styleFrame, false, 2, 2},
        {tLogoImage::styleFrame, false, 5, 1},  // wraps around the count
        {tLogoImage::styleHeading, true, 3, 3},
        {tLogoImage::styleHeading, false, 3, 1},  // the heading (90) decides
    };
    turtle->SetHeading(90);
    for (const auto& c : cases) {
        Wear(*fourFrames(c.style));
        turtle->frameMode = c.frameMode;
        turtle->frameIndex = c.frameIndex;
        SCOPED_TRACE(c.frameIndex);
        EXPECT_EQ(screen->Composed().pixel(20, 20), kFrameColours[c.frame]);
    }
}

TEST_F(TurtleShape, HiddenTurtlesAndTheDefaultLookLeaveTheShapeOut)
{
    Wear(*fourFrames(tLogoImage::styleHeading));
    turtle->shown = false;
    EXPECT_EQ(screen->Composed().pixel(20, 20), kWhite);
    turtle->shown = true;
    wearShape(*turtle, nullptr);
    // The default triangle's base runs through the turtle's pixel in the pen colour.
    EXPECT_EQ(screen->Composed().pixel(20, 20), 0xFF000000u);
}

TEST_F(TurtleShape, LaterTurtlesAreDrawnOverEarlierOnes)
{
    tLogoRef<tLogoTurtleParams> second(new tLogoTurtleParams(*screen));
    second->position = {22, 20};
    second->shown = true;
    Wear(*fourFrames(tLogoImage::styleHeading));
    second->SetHeading(180);
    wearShape(*second, imageShape(*fourFrames(tLogoImage::styleHeading)));
    const QImage shown = screen->Composed();
    EXPECT_EQ(shown.pixel(19, 20), kFrameColours[0]);
    EXPECT_EQ(shown.pixel(21, 20), kFrameColours[2]) << "second turtle on top";
}

std::string shapeError(tlogoobject* value)
{
    tLogoRef<tlogoobject> held(value);
    try {
        shapeOfValue(value);
        return "worn";
    } catch (const eLogoException& error) {
        return std::to_string(error.key);
    }
}

TEST(ShapeOfValue, OnlyImagesWithFramesCanBeWorn)
{
    EXPECT_EQ(shapeError(new tLogoList), std::to_string(erExpectImage));
    EXPECT_EQ(shapeError(new tLogoImage), std::to_string(erEmptyImage));
    const tLogoRef<tLogoImage> image = fourFrames(tLogoImage::styleHeading);
    EXPECT_EQ(shapeError(image.get()), "worn");
}

}  // namespace

namespace {

// One frame whose film shows the four colours in turn, each for `delay` milliseconds.
tLogoRef<tLogoImage> colourFilm(int32_t delay)
{
    std::vector<tLogoPicture> pictures;
    for (QRgb colour : kFrameColours) {
        tLogoPicture picture = square(colour);
        picture.delay = delay;
        pictures.push_back(picture);
    }
    tLogoRef<tLogoImage> film(new tLogoImage);
    film->frames.push_back(makeFrame(std::move(pictures)));
    film->style = tLogoImage::styleFrame;
    return film;
}

// Polls the page as the repaint would, until the colour shows or a second has passed.
bool showsWithin(tgrScreen& screen, QRgb colour)
{
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(1);
    while (std::chrono::steady_clock::now() < end) {
        if (screen.Composed().pixel(20, 20) == colour) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return false;
}

}  // namespace

// The animator moves the film on while the page is composed from another thread, and a
// turtle that goes away while its film plays leaves the plan before it is freed.
TEST_F(TurtleShape, AnimatedFilmsPlayAndLeaveWithTheirTurtle)
{
    Wear(*colourFilm(5));
    turtle->screen->ChangeLook([&] { turtle->animated = true; });
    scheduleShapeStep(*turtle);
    for (QRgb colour : kFrameColours) EXPECT_TRUE(showsWithin(*screen, colour)) << std::hex << colour;

    tLogoRef<tLogoTurtleParams> passing(new tLogoTurtleParams(*screen));
    wearShape(*passing, imageShape(*colourFilm(1)));
    passing->screen->ChangeLook([&] { passing->animated = true; });
    scheduleShapeStep(*passing);
    passing = nullptr;
    std::this_thread::sleep_for(std::chrono::milliseconds(30));

    turtle->screen->ChangeLook([&] { turtle->animated = false; });
    unscheduleShapeStep(*turtle);
    int32_t stopped = -1;
    turtle->screen->ChangeLook([&] { stopped = turtle->pictureIndex; });
    std::this_thread::sleep_for(std::chrono::milliseconds(30));
    turtle->screen->ChangeLook([&] { EXPECT_EQ(turtle->pictureIndex, stopped); });
}
