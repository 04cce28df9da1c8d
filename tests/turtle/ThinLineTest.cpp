#include <gtest/gtest.h>

#include <QImage>

#include <random>
#include <set>
#include <utility>

#include "turtle/thinLine.h"

namespace {

constexpr uint32_t kWhite = 0xFFFFFF;
constexpr uint32_t kInk = 0x102030;

QImage blank(int width = 40, int height = 30)
{
    QImage picture(width, height, QImage::Format_RGB32);
    picture.fill(QColor::fromRgb(0xFF000000u | kWhite));
    return picture;
}

tPixelRect all(const QImage& picture) { return {0, 0, picture.width() - 1, picture.height() - 1}; }

std::set<std::pair<int, int>> inked(const QImage& picture)
{
    std::set<std::pair<int, int>> pixels;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            if ((picture.pixel(x, y) & 0xFFFFFF) != kWhite) pixels.emplace(x, y);
    return pixels;
}

using Pixels = std::set<std::pair<int, int>>;

TEST(ThinLine, CopyModeSetsTheRoundedPixelsFromStartToEnd)
{
    struct Case {
        tPixel from, to;
        Pixels expected;
    };
    const Case cases[] = {
        {{10, 10}, {20, 10}, {{10, 10}, {11, 10}, {12, 10}, {13, 10}, {14, 10}, {15, 10}, {16, 10}, {17, 10}, {18, 10},
                              {19, 10}, {20, 10}}},
        {{5, 5}, {5, 5}, {{5, 5}}},
        {{1, 1}, {4, 4}, {{1, 1}, {2, 2}, {3, 3}, {4, 4}}},
        {{4, 1}, {1, 4}, {{4, 1}, {3, 2}, {2, 3}, {1, 4}}},
        // Half-way rows round towards larger y, whichever end the line starts at.
        {{0, 0}, {4, 1}, {{0, 0}, {1, 0}, {2, 1}, {3, 1}, {4, 1}}},
        {{4, 1}, {0, 0}, {{0, 0}, {1, 0}, {2, 1}, {3, 1}, {4, 1}}},
        {{2, 0}, {3, 4}, {{2, 0}, {2, 1}, {3, 2}, {3, 3}, {3, 4}}},
    };
    for (const Case& c : cases) {
        QImage picture = blank();
        drawThinLine(picture, c.from, c.to, kInk, tRasterMode::kCopy, all(picture));
        EXPECT_EQ(inked(picture), c.expected) << c.from.x << "," << c.from.y << " -> " << c.to.x << "," << c.to.y;
        EXPECT_EQ(picture.pixel(static_cast<int>(c.to.x), static_cast<int>(c.to.y)) & 0xFFFFFF, kInk);
    }
}

TEST(ThinLine, PixelsDoNotDependOnTheDirection)
{
    std::mt19937 random(7);
    std::uniform_int_distribution<int> x(-10, 50), y(-10, 40);
    for (int round = 0; round < 500; ++round) {
        const tPixel a{x(random), y(random)}, b{x(random), y(random)};
        QImage forward = blank(), backward = blank();
        drawThinLine(forward, a, b, kInk, tRasterMode::kCopy, all(forward));
        drawThinLine(backward, b, a, kInk, tRasterMode::kCopy, all(backward));
        ASSERT_EQ(forward, backward) << a.x << "," << a.y << " <-> " << b.x << "," << b.y;
    }
}

TEST(ThinLine, XorLeavesTheEndOutSoAPathDrawnTwiceRestoresThePicture)
{
    QImage picture = blank();
    for (int x = 0; x < 40; ++x) picture.setPixel(x, x % 30, 0xFF00FF00u);
    const QImage before = picture;
    const tPixel path[] = {{3, 3}, {30, 8}, {12, 25}, {12, 2}, {3, 3}};
    QImage once = picture;
    for (int pass = 0; pass < 2; ++pass) {
        for (size_t i = 0; i + 1 < std::size(path); ++i)
            drawThinLine(picture, path[i], path[i + 1], kInk, tRasterMode::kXor, all(picture));
        if (pass == 0) once = picture;
    }
    EXPECT_EQ(picture, before);
    // Each joint is flipped exactly once, not twice.
    EXPECT_NE(once.pixel(30, 8), before.pixel(30, 8));
    EXPECT_NE(once.pixel(12, 25), before.pixel(12, 25));
}

TEST(ThinLine, ClippingKeepsThePixelsOfTheWholeLine)
{
    const tPixel from{-1000, -500}, to{1000, 520};
    QImage whole = blank(3000, 1200);
    drawThinLine(whole, {from.x + 1500, from.y + 600}, {to.x + 1500, to.y + 600}, kInk, tRasterMode::kCopy, all(whole));
    QImage clipped = blank();
    const tPixelRect clip{5, 5, 30, 20};
    drawThinLine(clipped, from, to, kInk, tRasterMode::kCopy, clip);
    Pixels expected;
    for (const auto& [x, y] : inked(whole)) {
        const int px = x - 1500, py = y - 600;
        if (px >= clip.left && px <= clip.right && py >= clip.top && py <= clip.bottom) expected.emplace(px, py);
    }
    EXPECT_FALSE(expected.empty());
    EXPECT_EQ(inked(clipped), expected);
}

TEST(ThinLine, FarAwayEndsNeitherOverflowNorDrawOutsideTheClip)
{
    QImage picture = blank();
    const int64_t far = int64_t{1} << 40;
    drawThinLine(picture, {-far, 15}, {far, 15}, kInk, tRasterMode::kCopy, all(picture));
    drawThinLine(picture, {20, -far}, {20, far}, kInk, tRasterMode::kCopy, {0, 0, 39, 9});
    Pixels expected;
    for (int x = 0; x < 40; ++x) expected.emplace(x, 15);
    for (int y = 0; y < 10; ++y) expected.emplace(20, y);
    EXPECT_EQ(inked(picture), expected);
}

}  // namespace
