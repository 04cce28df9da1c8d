#include <gtest/gtest.h>

#include "ByteBuilder.h"
#include "images/bmpCodec.h"
#include "images/lgwReader.h"
#include "images/tLogoImage.h"
#include "language/tMemoryStream.h"
#include "language/tStream.h"
#include "values/tLogoRef.h"

namespace {

std::vector<uint8_t> colourBmp(QRgb colour)
{
    QImage picture(2, 1, QImage::Format_RGB32);
    picture.fill(colour);
    return writeBmp(picture);
}

std::vector<uint8_t> maskBmp()
{
    QImage mask = opaqueMask(2, 1);
    mask.setPixel(1, 0, 1);
    return writeMaskBmp(mask);
}

// Long records: a count, a zero probe word, then each record's 14-byte header.
std::vector<uint8_t> longRecords()
{
    const auto red = colourBmp(qRgb(255, 0, 0)), blue = colourBmp(qRgb(0, 0, 255)), mask = maskBmp();
    tByteBuilder b;
    b.u16(2).u16(0);
    b.i32(14 + red.size() + mask.size()).u16(uint16_t(-5)).u16(300).u8(0).u8(0).i32(red.size()).append(red).append(mask);
    b.i32(14 + blue.size()).u16(1).u16(2).u8(0).u8(0).i32(blue.size()).append(blue);
    return b.bytes;
}

// Short records: the count, then 8-byte headers whose first word (the size) is the probe.
std::vector<uint8_t> shortRecords()
{
    const auto green = colourBmp(qRgb(0, 255, 0)), mask = maskBmp();
    tByteBuilder b;
    b.u16(1);
    b.u16(8 + green.size() + mask.size()).u8(0xFE).u8(3).u8(0).u8(0).u16(green.size()).append(green).append(mask);
    return b.bytes;
}

tLogoRef<tLogoImage> read(const std::vector<uint8_t>& bytes, bool firstOnly)
{
    tMemoryStream stream(bytes);
    tLogoRef<tLogoImage> image(new tLogoImage);
    image->style = tLogoImage::styleFrame;
    readLgwImage(*image, stream, firstOnly);
    return image;
}

TEST(LgwReader, ReadsLongAndShortRecordsAsHeadingFrames)
{
    struct tExpected {
        QRgb colour;
        int hotX, hotY;
        bool masked;
    };
    struct tCase {
        const char* name;
        std::vector<uint8_t> bytes;
        bool firstOnly;
        std::vector<tExpected> frames;
    };
    const tCase cases[] = {
        {"long", longRecords(), false, {{qRgb(255, 0, 0), -5, 300, true}, {qRgb(0, 0, 255), 1, 2, false}}},
        {"long, first only", longRecords(), true, {{qRgb(255, 0, 0), -5, 300, true}}},
        {"short, hot spot bytes signed", shortRecords(), false, {{qRgb(0, 255, 0), -2, 3, true}}},
    };
    for (const tCase& c : cases) {
        SCOPED_TRACE(c.name);
        const tLogoRef<tLogoImage> image = read(c.bytes, c.firstOnly);
        EXPECT_EQ(image->style, tLogoImage::styleHeading);
        ASSERT_EQ(image->Count(), int(c.frames.size()));
        for (size_t i = 0; i < c.frames.size(); ++i) {
            ASSERT_EQ(image->frames[i]->Count(), 1);
            const tLogoPicture& picture = image->frames[i]->pictures[0];
            EXPECT_EQ(picture.colour.pixel(0, 0), c.frames[i].colour);
            EXPECT_EQ(picture.hotX, c.frames[i].hotX);
            EXPECT_EQ(picture.hotY, c.frames[i].hotY);
            EXPECT_EQ(picture.delay, 0);
            EXPECT_EQ(picture.HasMask(), c.frames[i].masked);
            EXPECT_FALSE(picture.IsTransparent(0, 0));
            EXPECT_EQ(picture.IsTransparent(1, 0), c.frames[i].masked);
        }
    }
}

TEST(LgwReader, DamagedFilesFailAndLeaveTheImageAlone)
{
    std::vector<uint8_t> sizeTooLarge = longRecords();
    sizeTooLarge[4 + 10] = 0xFF;  // the first record's colour size
    std::vector<uint8_t> moreRecords = shortRecords();
    moreRecords[0] = 9;
    for (const auto& bytes : {sizeTooLarge, moreRecords, std::vector<uint8_t>{1}}) {
        tMemoryStream stream(bytes);
        tLogoRef<tLogoImage> image(new tLogoImage);
        EXPECT_THROW(readLgwImage(*image, stream, false), eStreamError);
        EXPECT_EQ(image->Count(), 0);
    }
}

}  // namespace
