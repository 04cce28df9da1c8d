#include <gtest/gtest.h>

#include <QImage>

#include "turtle/tgrScreen.h"
#include "values/tLogoRef.h"

namespace {

constexpr QRgb kRed = 0xFFFF0000;
constexpr QRgb kBlue = 0xFF0000FF;
constexpr uint32_t kGreen = 0x00FF00;

// A surface that changes its size keeps what is drawn on it and the surfaces that lie on it;
// what the new size adds is the background colour.
TEST(SurfaceResize, KeepsThePictureAndTheSurfacesLyingOnIt)
{
    struct tCase {
        int width, height;
    };
    for (const tCase size : {tCase{40, 30}, tCase{8, 6}, tCase{20, 3}}) {
        tLogoRef<tgrScreen> page(new tgrScreen(20, 10));
        page->backgroundColour = kGreen;
        page->picture.setPixel(2, 1, kRed);
        page->picture.setPixel(19, 9, kBlue);
        tLogoRef<tgrScreen> pane(new tgrScreen(4, 4));
        pane->picture.setPixel(1, 1, kRed);
        page->AddChild(pane.get());

        page->Resize(size.width, size.height);
        SCOPED_TRACE(testing::Message() << size.width << " x " << size.height);
        ASSERT_EQ(page->Width(), size.width);
        ASSERT_EQ(page->Height(), size.height);
        EXPECT_EQ(page->range.right, size.width - 1);
        EXPECT_EQ(page->range.bottom, size.height - 1);
        EXPECT_EQ(page->PixelAt(2, 1), 0xFF0000u);
        // What still fits stays; what the new size adds is background.
        const bool cornerFits = size.width > 19 && size.height > 9;
        EXPECT_EQ(page->PixelAt(19, 9), cornerFits ? 0x0000FFu : kGreen);
        EXPECT_EQ(page->PixelAt(size.width - 1, 0), size.width > 20 ? kGreen : 0xFFFFFFu);
        ASSERT_EQ(page->Children().size(), 1u);
        EXPECT_EQ(page->Children()[0].get(), pane.get());
        EXPECT_EQ(pane->PixelAt(1, 1), 0xFF0000u);
        EXPECT_EQ(page->Composed().pixel(1, 1), kRed);
    }
}

}  // namespace
