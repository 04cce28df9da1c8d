#include <gtest/gtest.h>

#include <functional>

#include "ByteBuilder.h"
#include "ImageFixtures.h"
#include "images/lgfChunks.h"
#include "images/lgfIcon.h"
#include "images/lgfImages.h"
#include "images/lgfText.h"
#include "language/StreamKeys.h"
#include "language/tMemoryStream.h"
#include "language/texecodedstream.h"
#include "values/eLogoException.h"

namespace {

// One 1 x 1 red picture, hot spot (7, 13), delay 100, in a heading image: the whole file by hand.
std::vector<uint8_t> handMadeBmp()
{
    tByteBuilder bmp;
    bmp.text("BM").i32(58).i32(0).i32(54);
    bmp.i32(40).i32(1).i32(1).u16(1).u16(24).i32(0).i32(4).i32(0).i32(0).i32(0).i32(0);
    bmp.u8(0x00).u8(0x00).u8(0xFF).u8(0x00);
    return bmp.bytes;
}

std::vector<uint8_t> handMadeFile()
{
    tByteBuilder picture;
    picture.i32(2).chunk("F  1", tByteBuilder().i32(7).i32(13).i32(100).bytes).chunk("FI 1", handMadeBmp());
    tByteBuilder record;
    record.f64(0).u8(1).u8(1).i32(1);
    record.i32(1).chunk("FS 1", tByteBuilder().i32(1).append(picture.bytes).bytes);
    return tByteBuilder().text("LGF04").i32(1).chunk("IM 1", record.bytes).bytes;
}

tLogoRef<tLogoImage> readFrom(std::vector<uint8_t> bytes, int32_t index = 0, bool firstOnly = false)
{
    tMemoryStream stream(std::move(bytes));
    tLogoRef<tLogoImage> image(new tLogoImage);
    readImageFile(*image, stream, firstOnly, index);
    return image;
}

std::vector<uint8_t> written(const tLogoImage& image, int level)
{
    tMemoryStream stream;
    appendImageChunk(image, stream, level);
    return stream.Bytes();
}

TEST(LgfImageChunks, WritesTheLayoutByteForByteAndReadsItBack)
{
    tLogoRef<tLogoImage> image(new tLogoImage);
    tLogoPicture picture;
    picture.colour = QImage(1, 1, QImage::Format_RGB32);
    picture.colour.setPixel(0, 0, qRgb(255, 0, 0));
    picture.hotX = 7;
    picture.hotY = 13;
    picture.delay = 100;
    image->frames.push_back(makeFrame({picture}));

    EXPECT_EQ(written(*image, 0), handMadeFile());

    const tLogoRef<tLogoImage> back = readFrom(handMadeFile());
    EXPECT_TRUE(sameImage(*image, *back));
    EXPECT_FALSE(back->frames[0]->pictures[0].HasMask());
}

TEST(LgfImageChunks, RoundTripsAtEveryLevelWithItsTagAndZlibHeader)
{
    tLogoRef<tLogoImage> image = patternImage({3, 1, 2});
    image->style = tLogoImage::styleFrame;
    image->zeroAngle = 37.5;
    image->loop = false;
    struct tLevel {
        int level;
        const char* tag;
        uint8_t zlib0, zlib1;
    };
    for (const tLevel& c : {tLevel{0, "IM 1", 0, 0}, tLevel{1, "IMZ1", 0x78, 0x01}, tLevel{2, "IMZ1", 0x78, 0x9C},
                            tLevel{3, "IMZ1", 0x78, 0xDA}}) {
        SCOPED_TRACE(c.level);
        const std::vector<uint8_t> bytes = written(*image, c.level);
        EXPECT_EQ(std::string(bytes.begin() + 9, bytes.begin() + 13), c.tag);
        if (c.level > 0) {
            // After the chunk header and the inflated size.
            EXPECT_EQ(bytes[21], c.zlib0);
            EXPECT_EQ(bytes[22], c.zlib1);
        }
        EXPECT_TRUE(sameImage(*image, *readFrom(bytes)));
    }
}

TEST(LgfImageChunks, AppendingKeepsWhatIsThereAndCountsTheChunk)
{
    tMemoryStream stream;
    appendImageChunk(*patternImage({1}), stream, 0);
    const std::vector<uint8_t> first = stream.Bytes();
    stream.Seek(0, tSeekOrigin::end);
    appendImageChunk(*patternImage({2, 2}), stream, 2);
    const std::vector<uint8_t>& both = stream.Bytes();
    EXPECT_EQ(chunkCount(stream, lpImageFile), 2);
    EXPECT_TRUE(std::equal(first.begin(), first.begin() + 5, both.begin()));
    EXPECT_TRUE(std::equal(first.begin() + 9, first.end(), both.begin() + 9));
    EXPECT_EQ(readFrom(both, 1)->Count(), 2);
}

TEST(LgfImageChunks, PicksImagesByIndexPastOtherChunks)
{
    tMemoryStream stream;
    const int64_t body = beginProjectStream(stream, "");
    stream.WriteExact("to a end", 8);
    closeTextChunk(stream, body, false);
    for (int frames = 1; frames <= 3; ++frames) appendImageChunk(*patternImage(std::vector<int>(frames, 2)), stream, frames % 2);
    const std::vector<uint8_t> bytes = stream.Bytes();

    struct tCase {
        int32_t index;
        bool firstOnly;
        int frames, picturesInFrame1;
    };
    for (const tCase& c : {tCase{0, false, 1, 2}, tCase{2, false, 3, 2}, tCase{2, true, 1, 1}, tCase{3, false, 0, 0}}) {
        SCOPED_TRACE(c.index);
        const tLogoRef<tLogoImage> image = readFrom(bytes, c.index, c.firstOnly);
        EXPECT_EQ(image->Count(), c.frames);
        if (c.frames) {
            EXPECT_EQ(image->frames[0]->Count(), c.picturesInFrame1);
        }
    }

    tMemoryStream again(bytes);
    const auto list = readImageList(again, chunkCount(again, lpProbe));
    ASSERT_EQ(list.size(), 3u);
    EXPECT_EQ(list[0]->Count(), 3);
    EXPECT_EQ(list[2]->Count(), 1);
}

TEST(LgfImageChunks, PictureChunksInAnyOrderUnknownOnesSkipped)
{
    const QImage red = [] {
        QImage picture(1, 1, QImage::Format_RGB32);
        picture.fill(qRgb(255, 0, 0));
        return picture;
    }();
    tByteBuilder picture1;  // image first, an old "FE 1", then the info; a second "F  1" is ignored
    picture1.i32(4)
        .chunk("FI 1", handMadeBmp())
        .chunk("FE 1", tByteBuilder().i32(0xFFFFFF).bytes)
        .chunk("F  1", tByteBuilder().i32(-3).i32(4).i32(55).i32(999).bytes)
        .chunk("F  1", tByteBuilder().i32(1).i32(1).i32(1).bytes);
    tByteBuilder picture2;  // no info: hot spot (0, 0), delay 0
    picture2.i32(1).chunk("FI 1", handMadeBmp());
    tByteBuilder frame;
    frame.i32(3)
        .chunk("XX 9", {1, 2, 3})
        .chunk("FS 1", tByteBuilder().i32(2).append(picture1.bytes).append(picture2.bytes).bytes)
        .chunk("FS 1", tByteBuilder().i32(1).append(picture2.bytes).bytes);
    tByteBuilder record;
    record.f64(90).u8(0).u8(0).i32(1).append(frame.bytes);
    const auto bytes = tByteBuilder().text("LGF04").i32(2).chunk("ZZ 1", {9}).chunk("IM 1", record.bytes).bytes;

    const tLogoRef<tLogoImage> image = readFrom(bytes);
    ASSERT_EQ(image->Count(), 1);
    EXPECT_EQ(image->zeroAngle, 90);
    EXPECT_FALSE(image->loop);
    EXPECT_EQ(image->style, tLogoImage::styleFrame);
    const tLogoFrame& only = *image->frames[0];
    ASSERT_EQ(only.Count(), 2);
    EXPECT_EQ(only.pictures[0].colour, red);
    EXPECT_EQ((std::vector<int>{only.pictures[0].hotX, only.pictures[0].hotY, only.pictures[0].delay}),
              (std::vector<int>{-3, 4, 55}));
    EXPECT_EQ((std::vector<int>{only.pictures[1].hotX, only.pictures[1].hotY, only.pictures[1].delay}),
              (std::vector<int>{0, 0, 0}));
}

// Runs the read and says how it ended: "read", "stream error" or the Logo error's key.
std::string outcome(const std::function<void()>& read)
{
    try {
        read();
        return "read";
    } catch (const eStreamError&) {
        return "stream error";
    } catch (const eLogoException& error) {
        return std::to_string(error.key);
    }
}

TEST(LgfImageChunks, TruncatedFilesFailAndLeaveTheImageAlone)
{
    for (int level : {0, 2}) {
        const std::vector<uint8_t> bytes = written(*patternImage({2, 1}), level);
        for (size_t cut = 5; cut < bytes.size(); ++cut) {
            tMemoryStream stream(std::vector<uint8_t>(bytes.begin(), bytes.begin() + cut));
            tLogoRef<tLogoImage> image(new tLogoImage);
            EXPECT_EQ(outcome([&] { readImageFile(*image, stream, false, 0); }), "stream error") << cut;
            EXPECT_EQ(image->Count(), 0);
        }
    }
}

TEST(LgfImageChunks, DamagedBytesNeverCrashOrEscapeAsOtherFailures)
{
    // Every byte in turn inverted: a damaged file reads as something or fails as a file error.
    for (int level : {0, 3}) {
        const std::vector<uint8_t> bytes = written(*patternImage({2}), level);
        for (size_t at = 0; at < bytes.size(); ++at) {
            std::vector<uint8_t> damaged = bytes;
            damaged[at] ^= 0xFF;
            tMemoryStream stream(damaged);
            tLogoRef<tLogoImage> image(new tLogoImage);
            const std::string how = outcome([&] { readImageFile(*image, stream, false, 0); });
            EXPECT_TRUE(how == "read" || how == "stream error" || how == std::to_string(erImageFile)) << at << " " << how;
        }
    }
}

TEST(LgfImageChunks, CountsAndSizesBeyondTheDataAreRefused)
{
    auto file = [](const std::vector<uint8_t>& record, const char* tag = "IM 1") {
        return tByteBuilder().text("LGF04").i32(1).chunk(tag, record).bytes;
    };
    const std::vector<std::pair<const char*, std::vector<uint8_t>>> cases = {
        {"frame count", file(tByteBuilder().f64(0).u8(1).u8(1).i32(0x7FFFFFFF).bytes)},
        {"negative frame count", file(tByteBuilder().f64(0).u8(1).u8(1).i32(-1).bytes)},
        {"sub-chunk count", file(tByteBuilder().f64(0).u8(1).u8(1).i32(1).i32(0x10000000).bytes)},
        {"picture count",
         file(tByteBuilder().f64(0).u8(1).u8(1).i32(1).i32(1).chunk("FS 1", tByteBuilder().i32(100000).bytes).bytes)},
        {"nested chunk longer than its parent",
         file(tByteBuilder().f64(0).u8(1).u8(1).i32(1).i32(1).text("FS 1").i32(1000).i32(0).bytes)},
        {"inflated size larger than the data", file(tByteBuilder().i32(0x7FFFFFF0).append({0x78, 0x9C, 3, 0}).bytes, "IMZ1")},
        {"damaged zlib stream", file(tByteBuilder().i32(20).append({0x78, 0x9C, 0xFF, 0xFF, 0xFF}).bytes, "IMZ1")},
        {"record shorter than its header", file(tByteBuilder().i32(1).bytes)},
        {"more chunks counted than present", tByteBuilder().text("LGF04").i32(5).bytes},
    };
    for (const auto& [name, bytes] : cases) {
        tMemoryStream stream(bytes);
        tLogoRef<tLogoImage> image(new tLogoImage);
        EXPECT_EQ(outcome([&] { readImageFile(*image, stream, false, 0); }), "stream error") << name;
    }
}

TEST(LgfHeader, ChecksMagicAndVersionByPurpose)
{
    const auto v = std::to_string(erImageFileVersion), f = std::to_string(erImageFile), p = std::to_string(erPackage);
    struct tCase {
        const char* head;
        std::string probe, image, project;
    };
    const tCase cases[] = {
        {"LGF04xxxx", "4", "4", "4"},
        {"LGF05xxxx", "5", "5", "5"},
        {"LGF03xxxx", "0", f, "0"},
        {"LGF06xxxx", "0", v, v},
        {"LGF9", "0", f, "0"},
        {"LGFx4xxxx", "0", f, "0"},
        {"ZXK01xxxx", "0", p, p},
        {"BMxxxxxxx", "0", f, "0"},
    };
    for (const tCase& c : cases) {
        SCOPED_TRACE(c.head);
        const std::string text = c.head;
        const std::string expected[] = {c.probe, c.image, c.project};
        for (tLgfPurpose purpose : {lpProbe, lpImageFile, lpProjectFile}) {
            tMemoryStream stream(std::vector<uint8_t>(text.begin(), text.end()));
            int version = -1;
            const std::string how = outcome([&] { version = checkLgfHeader(stream, purpose); });
            EXPECT_EQ(how == "read" ? std::to_string(version) : how, expected[purpose]) << purpose;
            if (version > 0) {
                EXPECT_EQ(stream.Position(), 5);
            }
        }
    }
    tMemoryStream newer(tByteBuilder().text("LGF07").i32(0).bytes);
    try {
        checkLgfHeader(newer, lpProjectFile);
        FAIL();
    } catch (const eLogoException& error) {
        EXPECT_EQ(error.culprit->PrintText(0), ".ZXP");
    }
}

TEST(LgfText, ProjectStreamsAndTheirTextChunks)
{
    struct tCase {
        const char* language;
        const char* version;
        std::string languageChunk;
    };
    for (const tCase& c : {tCase{"english", "04", ""}, tCase{"", "04", ""}, tCase{"deutsch", "05", "deutsch"}}) {
        SCOPED_TRACE(c.language);
        tMemoryStream stream;
        const int64_t body = beginProjectStream(stream, c.language);
        stream.WriteExact("print 1", 7);
        closeTextChunk(stream, body, false);
        const std::vector<uint8_t>& bytes = stream.Bytes();
        EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 5), std::string("LGF") + c.version);
        if (!c.languageChunk.empty()) {
            const auto expected = tByteBuilder().chunk("LA 1", {'d', 'e', 'u', 't', 's', 'c', 'h'}).bytes;
            EXPECT_TRUE(std::equal(expected.begin(), expected.end(), bytes.begin() + 9));
        }
        EXPECT_EQ(chunkCount(stream, lpProjectFile), c.languageChunk.empty() ? 1 : 2);
        EXPECT_EQ(readLanguageChunk(stream), c.languageChunk);
        EXPECT_EQ(findTextChunk(stream, 0), 7);
        char text[7];
        stream.ReadExact(text, 7);
        EXPECT_EQ(std::string(text, 7), "print 1");
        EXPECT_EQ(findTextChunk(stream, 1), 0);
    }

    tMemoryStream packed(tByteBuilder().text("LGF04").i32(1).chunk("TXZ1", {1, 2, 3}).bytes);
    EXPECT_EQ(findTextChunk(packed, 0), -3);
    tMemoryStream notLgf(std::vector<uint8_t>{'a', 'b', 'c', 'd'});
    EXPECT_EQ(readLanguageChunk(notLgf), "*");
    EXPECT_EQ(checkLgfHeader(notLgf, lpProbe), 0);
    tMemoryStream emptyLanguage(tByteBuilder().text("LGF05").i32(1).chunk("LA 1", {}).bytes);
    EXPECT_EQ(readLanguageChunk(emptyLanguage), "");
}

TEST(LgfIcon, RoundTripsPlainAndPackedAndIsNoneWhenAbsent)
{
    const QImage icon = patternPicture(5, 4, 3, false).colour;
    for (int level : {0, 2}) {
        SCOPED_TRACE(level);
        tMemoryStream stream;
        appendImageChunk(*patternImage({1}), stream, 0);
        writeIconChunk(stream, icon, level);
        writeIconChunk(stream, QImage(), level);
        EXPECT_EQ(chunkCount(stream, lpImageFile), 2);
        EXPECT_EQ(readIconChunk(stream), icon);
    }
    tMemoryStream none;
    appendImageChunk(*patternImage({1}), none, 0);
    EXPECT_TRUE(readIconChunk(none).isNull());
}

TEST(LgfProjectStream, BackPatchingWorksThroughTheKeyedFilter)
{
    // Project files are written through the keyed filter: every back-patched header and count
    // must decode as if written in order.
    tMemoryStream file;
    {
        texecodedstream coded(file, kProjectKey);
        const int64_t body = beginProjectStream(coded, "deutsch");
        coded.WriteExact("to a end", 8);
        closeTextChunk(coded, body, false);
        appendImageChunk(*patternImage({2, 1}), coded, 1);
    }
    EXPECT_NE(std::string(file.Bytes().begin(), file.Bytes().begin() + 3), "LGF");
    tMemoryStream stored(file.Bytes());
    texecodedstream decoded(stored, kProjectKey);
    EXPECT_EQ(chunkCount(decoded, lpProjectFile), 3);
    EXPECT_EQ(readLanguageChunk(decoded), "deutsch");
    EXPECT_EQ(findTextChunk(decoded, 0), 8);
    const auto images = readImageList(decoded, 3);
    ASSERT_EQ(images.size(), 1u);
    EXPECT_TRUE(sameImage(*images[0], *patternImage({2, 1})));
}

}  // namespace
