#include <gtest/gtest.h>

#include "ByteBuilder.h"
#include "images/bmpCodec.h"
#include "language/tStream.h"

namespace {

// A BMP file with a Windows 3 header; `height` negative for top-down rows.
tByteBuilder bmpFile(int width, int height, int bits, const std::vector<uint32_t>& palette,
                     const std::vector<uint8_t>& rows, uint32_t compression = 0,
                     const std::vector<uint32_t>& masks = {})
{
    const uint32_t dataStart = 14 + 40 + 4 * uint32_t(masks.size() + palette.size());
    tByteBuilder b;
    b.text("BM").i32(dataStart + rows.size()).i32(0).i32(dataStart);
    b.i32(40).i32(width).i32(height).u16(1).u16(bits).i32(compression).i32(rows.size()).i32(0).i32(0);
    b.i32(palette.size()).i32(0);
    for (uint32_t mask : masks) b.i32(mask);
    for (uint32_t colour : palette) b.i32(colour);
    return b.append(rows);
}

struct tDepthCase {
    const char* name;
    tByteBuilder file;
    // Expected pixels, top row first.
    std::vector<std::vector<QRgb>> pixels;
};

QRgb rgb(uint32_t value) { return 0xFF000000 | value; }

TEST(BmpCodec, ReadsEachDepthWithRowPaddingAndOrientation)
{
    const uint32_t red = 0xFF0000, green = 0x00FF00, blue = 0x0000FF, white = 0xFFFFFF;
    const std::vector<tDepthCase> cases = {
        // 3 x 2, bottom-up: the bottom row comes first; rows padded to 4 bytes.
        {"1 bit", bmpFile(3, 2, 1, {red, blue}, {0xA0, 0, 0, 0, 0x40, 0, 0, 0}),
         {{red, blue, red}, {blue, red, blue}}},
        {"4 bits", bmpFile(3, 1, 4, {red, green, blue}, {0x12, 0x00, 0, 0}), {{green, blue, red}}},
        {"8 bits, index past the palette is black", bmpFile(2, 1, 8, {white}, {0, 7, 0, 0}),
         {{white, 0}}},
        {"24 bits, top-down", bmpFile(1, -2, 24, {}, {0xFF, 0, 0, 0, 0, 0, 0xFF, 0}), {{blue}, {red}}},
        {"32 bits", bmpFile(2, 1, 32, {}, {0, 0xFF, 0, 0, 1, 2, 3, 0}), {{green, 0x030201}}},
        {"16 bits 5-5-5", bmpFile(2, 1, 16, {}, {0x00, 0x7C, 0x1F, 0x00}), {{red, blue}}},
        {"16 bits with bit fields 5-6-5", bmpFile(1, 1, 16, {}, {0xE0, 0x07, 0, 0}, 3, {0xF800, 0x07E0, 0x001F}),
         {{green}}},
    };
    for (const tDepthCase& c : cases) {
        SCOPED_TRACE(c.name);
        const QImage picture = readBmp(c.file.bytes);
        ASSERT_EQ(picture.format(), QImage::Format_RGB32);
        ASSERT_EQ(picture.height(), int(c.pixels.size()));
        ASSERT_EQ(picture.width(), int(c.pixels[0].size()));
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x) EXPECT_EQ(picture.pixel(x, y), rgb(c.pixels[y][x])) << x << "," << y;
    }
}

TEST(BmpCodec, ReadsTheCoreHeader)
{
    tByteBuilder b;
    b.text("BM").i32(14 + 12 + 6 + 4).i32(0).i32(14 + 12 + 6);
    b.i32(12).u16(1).u16(1).u16(1).u16(1);
    b.u8(0x10).u8(0x20).u8(0x30).u8(0x40).u8(0x50).u8(0x60);  // two 3-byte palette entries
    b.u8(0x80).u8(0).u8(0).u8(0);
    EXPECT_EQ(readBmp(b.bytes).pixel(0, 0), rgb(0x605040));
}

TEST(BmpCodec, WritesWhatItReads)
{
    QImage picture(5, 3, QImage::Format_RGB32);  // 15-byte rows need a byte of padding
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x) picture.setPixel(x, y, qRgb(x * 50, y * 100, (x + y) * 20));
    const std::vector<uint8_t> file = writeBmp(picture);
    EXPECT_EQ(file.size(), 14u + 40u + 3u * 16u);
    EXPECT_EQ(file[28], 24);
    EXPECT_EQ(readBmp(file), picture);

    QImage mask(10, 2, QImage::Format_Mono);
    mask.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
    mask.fill(0);
    mask.setPixel(0, 0, 1);
    mask.setPixel(9, 1, 1);
    const std::vector<uint8_t> maskFile = writeMaskBmp(mask);
    EXPECT_EQ(maskFile[28], 1);
    // Bottom row first: pixel 9 is bit 6 of the second byte; then the top row's pixel 0.
    const size_t data = 14 + 40 + 8;
    EXPECT_EQ(maskFile[data], 0x00);
    EXPECT_EQ(maskFile[data + 1], 0x40);
    EXPECT_EQ(maskFile[data + 4], 0x80);
    const QImage back = readBmp(maskFile);
    EXPECT_EQ(back.pixel(0, 0), rgb(0xFFFFFF));
    EXPECT_EQ(back.pixel(1, 0), rgb(0));
    EXPECT_EQ(back.pixel(9, 1), rgb(0xFFFFFF));
}

TEST(BmpCodec, RefusesDamagedFilesWithoutReadingPastThem)
{
    const tByteBuilder good = bmpFile(4, 4, 24, {}, std::vector<uint8_t>(48, 7));
    std::vector<std::pair<const char*, std::vector<uint8_t>>> damaged;
    for (size_t cut : {0, 2, 13, 20, 53, 60, 101}) {
        std::vector<uint8_t> bytes(good.bytes.begin(), good.bytes.begin() + cut);
        damaged.emplace_back("cut short", bytes);
    }
    auto patched = [&](size_t at, uint8_t value) {
        std::vector<uint8_t> bytes = good.bytes;
        bytes[at] = value;
        return bytes;
    };
    damaged.emplace_back("no BM", patched(0, 'X'));
    damaged.emplace_back("unknown header size", patched(14, 30));
    damaged.emplace_back("width beyond any picture", patched(21, 0x7F));
    damaged.emplace_back("height beyond the data", patched(22, 200));
    damaged.emplace_back("pixel data offset past the end", patched(11, 0x10));
    damaged.emplace_back("5 bits per pixel", patched(28, 5));
    damaged.emplace_back("run-length compression", patched(30, 1));
    damaged.emplace_back("palette larger than the depth", bmpFile(1, 1, 1, {0, 1, 2}, {0, 0, 0, 0}).bytes);
    for (const auto& [name, bytes] : damaged) {
        SCOPED_TRACE(name);
        EXPECT_THROW(readBmp(bytes), eStreamError);
    }
}

}  // namespace
