#include <gtest/gtest.h>

#include <cstdlib>

#include "ImageFixtures.h"
#include "images/gifCodec.h"
#include "images/jpegCodec.h"
#include "language/tStream.h"

namespace {

int largestChannelDifference(QRgb a, QRgb b)
{
    return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)), std::abs(qBlue(a) - qBlue(b))});
}

TEST(PictureCodecs, GifKeepsPicturesPositionsDelaysAndTransparency)
{
    std::vector<tLogoPicture> pictures = {patternPicture(5, 4, 1, true), patternPicture(3, 6, 2, false),
                                          patternPicture(4, 4, 3, true)};
    pictures[0].hotX = 2;
    pictures[0].hotY = 1;
    pictures[1].hotX = -4;  // written at 0
    pictures[1].hotY = 0;
    const tLogoRef<tLogoImage> image(readGif(writeGif(pictures, true)));
    ASSERT_EQ(image->Count(), 1);
    const tLogoFrame& frame = *image->frames[0];
    ASSERT_EQ(frame.Count(), 3);
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        const tLogoPicture& in = pictures[i];
        const tLogoPicture& out = frame.pictures[i];
        EXPECT_EQ(out.hotX, std::max(in.hotX, 0));
        EXPECT_EQ(out.hotY, in.hotY);
        EXPECT_EQ(out.delay, in.delay);
        EXPECT_EQ(out.HasMask(), in.HasMask());
        ASSERT_EQ(out.colour.size(), in.colour.size());
        for (int y = 0; y < in.Height(); ++y)
            for (int x = 0; x < in.Width(); ++x) {
                EXPECT_EQ(out.IsTransparent(x, y), in.IsTransparent(x, y));
                EXPECT_EQ(out.colour.pixel(x, y), in.colour.pixel(x, y)) << x << "," << y;
            }
    }
}

TEST(PictureCodecs, GifOfManyColoursComesClose)
{
    tLogoPicture picture;
    picture.colour = QImage(32, 32, QImage::Format_RGB32);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) picture.colour.setPixel(x, y, qRgb(x * 8, y * 8, (x + y) * 4));
    const tLogoRef<tLogoImage> image(readGif(writeGif({picture}, false)));
    const tLogoPicture& back = image->frames[0]->pictures[0];
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) EXPECT_LE(largestChannelDifference(back.colour.pixel(x, y), picture.colour.pixel(x, y)), 26);
}

TEST(PictureCodecs, JpegRoundTripsCloselyAndRefusesDamage)
{
    QImage picture(16, 8, QImage::Format_RGB32);
    picture.fill(qRgb(200, 60, 30));
    const std::vector<uint8_t> file = writeJpeg(picture);
    ASSERT_GE(file.size(), 4u);
    EXPECT_EQ(file[0], 0xFF);
    EXPECT_EQ(file[1], 0xD8);
    const QImage back = readJpeg(file);
    ASSERT_EQ(back.size(), picture.size());
    EXPECT_LE(largestChannelDifference(back.pixel(5, 5), picture.pixel(5, 5)), 4);

    const std::vector<uint8_t> cut(file.begin(), file.begin() + file.size() / 3);
    for (const auto& damaged : {std::vector<uint8_t>{}, std::vector<uint8_t>{'G', 'I', 'F'}, cut})
        EXPECT_THROW(readJpeg(damaged), eStreamError);
}

TEST(PictureCodecs, DamagedGifsFail)
{
    const std::vector<uint8_t> file = writeGif({patternPicture(6, 6, 5, true)}, false);
    std::vector<std::vector<uint8_t>> damaged = {{}, {'G', 'I', 'F', '8', '9', 'a'}};
    for (size_t cut : {size_t(13), file.size() / 2, file.size() - 2}) damaged.emplace_back(file.begin(), file.begin() + cut);
    for (const auto& bytes : damaged) {
        SCOPED_TRACE(bytes.size());
        EXPECT_THROW(delete readGif(bytes), eStreamError);
    }
}

}  // namespace
