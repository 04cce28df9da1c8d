#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "../mainobj/MainObjectWorld.h"
#include "ImageFixtures.h"
#include "images/bmpCodec.h"
#include "images/lgfImages.h"
#include "images/startImages.h"
#include "language/tFileStream.h"
#include "mainobj/tMainLogoObject.h"
#include "turtle/colours/ColourPrimitives.h"
#include "values/strictOption.h"
#include "values/tLogoVarTab.h"
#include "values/tTabDesc.h"

namespace {

namespace fs = std::filesystem;

struct tCase {
    std::string lines;
    const char* expected;
};

// The main object with the image primitives, and a folder of image files:
// film.lgf  three frames of one picture each (hot spots 1..3 differ, delays 10, 20, 30),
// strip.lgf one frame of three pictures,
// wide.bmp  31 x 20 pixels.
class ImageValues : public ::testing::Test {
protected:
    void SetUp() override
    {
        startColours();
        startImages();
        folder = fs::temp_directory_path() / ("zx-images-" + std::to_string(::getpid()));
        fs::create_directories(folder);
        save("film.lgf", *patternImage({1, 1, 1}));
        save("strip.lgf", *patternImage({3}));
        QImage wide(31, 20, QImage::Format_RGB32);
        wide.fill(qRgb(10, 200, 30));
        const std::vector<uint8_t> bmp = writeBmp(wide);
        std::ofstream(folder / "wide.bmp", std::ios::binary).write(reinterpret_cast<const char*>(bmp.data()), bmp.size());
        world.Run("make \"f loadimage " + quoted("film.lgf") + " make \"s loadimage " + quoted("strip.lgf") +
                  " make \"w loadbitmap " + quoted("wide.bmp"));
    }
    void TearDown() override
    {
        setStrictLevel(0);
        fs::remove_all(folder);
    }

    void save(const char* name, const tLogoImage& image)
    {
        tFileStream file(path(name), tFileStream::create);
        appendImageChunk(image, file, 2);
    }
    std::string path(const std::string& name) const { return (folder / name).string(); }
    // The file's path as a quoted word (bars keep the slashes from reading as division).
    std::string quoted(const std::string& name) const { return "\"|" + path(name) + "|"; }
    tlogoobject* variable(const char* name)
    {
        tTabDesc* entry = mainLogoObject().globalVarTable->FindEntry(std::string_view(name));
        return entry ? entry->Value() : nullptr;
    }
    // What the lines print, or the key of the error they end with.
    std::string result(const std::string& lines)
    {
        const std::string error = world.ErrorOf(lines);
        if (error != "none") return error;
        std::string text = world.printed;
        world.printed.clear();
        if (!text.empty() && text.back() == '\n') text.pop_back();
        std::erase(text, '\r');
        return text;
    }

    void expectResults(const std::vector<tCase>& cases)
    {
        for (const tCase& c : cases) EXPECT_EQ(result(c.lines), c.expected) << c.lines;
    }

    tMainObjectWorld world;
    fs::path folder;
};


TEST_F(ImageValues, BuildersCountFramesAndPictures)
{
    expectResults({
        {"print count :f", "3"},
        {"print count (image :f :s :f)", "7"},
        {"print count image emptyimage :s", "1"},
        {"print count emptyimage", "0"},
        {"print image? emptyimage", "true"},
        {"print count toframes :s", "3"},
        {"print count first toframes :s", "1"},
        {"print count toanimfilm toframes :s", "1"},
        {"print (toanimfilm toframes :s) = :s", "false"},
        {"print (toframes toanimfilm :f) = :f", "false"},
        {"print (image :f) = :f", "true"},
        {"print count (toanimfilm :f :s)", "2"},
        {"print image :f \"x", "erBadStructure"},
    });
}

TEST_F(ImageValues, FramesAreTakenAndComparedByIdentity)
{
    expectResults({
        {"print (first :f) = item 1 :f", "true"},
        {"print (last :f) = item 3 :f", "true"},
        {"print (butfirst :f) = item [2 2] :f", "true"},
        {"print (butlast :f) = item [1 2] :f", "true"},
        {"print (item [[3 1] [1 1]] :f) = image last :f first :f", "true"},
        {"print (reverse :f) = item [[3 1] [2 1] [1 1]] :f", "true"},
        {"print (fput last :f butlast :f) = reverse item [[2 1] [1 1] [3 1]] :f", "true"},
        {"print (lput first :f butfirst :f) = item [[2 2] [1 1]] :f", "true"},
        {"print (butitem 2 :f) = image first :f last :f", "true"},
        {"print (butitem [1 2] :f) = last :f", "true"},
        {"print (replace 2 :f :s) = (image first :f :s last :f)", "true"},
        {"print member? item [2 2] :f :f", "true"},
        {"print member? reverse butfirst :f :f", "false"},
        {"print member item [2 2] :f :f", "2"},
        {"print member :s :f", "0"},
        {"print member? emptyimage :f", "true"},
        {"print (butmember item 2 :f :f) = image first :f last :f", "true"},
        {"print (frommember item 2 :f :f) = last :f", "true"},
        {"print count frommember :s :f", "0"},
        {"print (frommember emptyimage :f) = :f", "true"},
        {"print (loadimage " + quoted("film.lgf") + ") = :f", "false"},
        {"print count shuffle :f", "3"},
        {"print member? pick :f :f", "true"},
    });
}

TEST_F(ImageValues, IndexRulesWithAndWithoutTheStrictOption)
{
    expectResults({
        {"print (item 9 :f) = first :f", "true"},
        {"print (item [2 9] :f) = butfirst :f", "true"},
        {"print count first emptyimage", "0"},
        {"print item \"a :f", "erExpectNumber"},
        {"print item [1 2 3] :f", "erExpectList2"},
        {"print item [[1 1] [1 2 3]] :f", "erExpectList2"},
    });
    setStrictLevel(1);
    expectResults({
        {"print (item 3 :f) = last :f", "true"},
        {"print item 4 :f", "erShortList"},
        {"print item [2 3] :f", "erShortList"},
        {"print item 0 :f", "erShortList"},
        {"print item 1 emptyimage", "erEmptyImage"},
        {"print first emptyimage", "erEmptyList"},
        {"print butlast emptyimage", "erEmptyList"},
    });
}

TEST_F(ImageValues, PictureSettingsApplyToEveryPicture)
{
    expectResults({
        {"print imagesize :w", "31 20"},
        {"print hotspot :w", "15 10"},
        {"print hotspot emptyimage", "0 0"},
        {"print imagesize emptyimage", "0 0"},
        {"print hotspot item 2 toframes sethotspot :s [3 4]", "3 4"},
        {"print hotspot last sethotspot :f [3 4]", "3 4"},
        {"print sethotspot :f 3", "erExpectList"},
        {"print sethotspot :f [3]", "erExpectList2"},
        {"print delay :f", "10"},
        {"print delay last setdelay :f 70", "70"},
        {"print delay setdelay :f -5", "0"},
        {"print delay emptyimage", "0"},
    });
}

TEST_F(ImageValues, InfoReadsAndChangesWithTheParamWords)
{
    expectResults({
        {"print imageinfo :f", "style heading zeroangle 0 loop true"},
        {"print imageinfo :w", "style frame zeroangle 0 loop true"},
        {"print imageinfo setimageinfo :f [style frame zeroangle 22.5 loop false]", "style frame zeroangle 22.5 loop false"},
        {"print imageinfo image setimageinfo :f [zeroangle 30 loop false] :w", "style frame zeroangle 0 loop true"},
        {"print imageinfo (image setimageinfo :f [loop false])", "style heading zeroangle 0 loop true"},
        {"print imageinfo lput :w setimageinfo :f [zeroangle 30 loop false]", "style frame zeroangle 30 loop true"},
        {"print (setimageinfo :f [style heading]) = :f", "true"},
        {"print setimageinfo :f [style sideways]", "erExpectWord"},
        {"print setimageinfo :f [colour red]", "erExpectWord"},
        {"print setimageinfo :f [loop]", "erExpectWord"},
        {"print setimageinfo :f \"style", "erExpectList"},
    });

    world.Run("make \"same setimageinfo :f [style heading zeroangle 0 loop true] make \"other setimageinfo :f [loop false]");
    EXPECT_EQ(variable("same"), variable("f"));
    EXPECT_NE(variable("other"), variable("f"));
}

TEST_F(ImageValues, RotationTurnsAboutTheHotSpot)
{
    expectResults({
        {"print imagesize rotate 90 :w", "20 31"},
        {"print imagesize rotate -270 :w", "20 31"},
        {"print imagesize rotate 180 :w", "31 20"},
        {"print hotspot rotate 90 :w", "9 15"},
        {"print (rotate 720 :w) = :w", "true"},
        {"print count rotate 45 :f", "3"},
        {"print imagesize tintcolour [255 0 0] :w", "31 20"},
    });
}

TEST_F(ImageValues, FilesInEachFormat)
{
    const std::string x = quoted("x");
    QImage png(7, 5, QImage::Format_RGB32);
    png.fill(qRgb(1, 2, 3));
    ASSERT_TRUE(png.save(QString::fromStdString(path("small.png"))));
    ASSERT_TRUE(png.save(QString::fromStdString(path("small.ico")), "ICO"));
    std::ofstream(folder / "text.lgf") << "not an image";
    std::ofstream(folder / "cut.lgf", std::ios::binary).write("LGF04\x01\0\0\0IM 1\x40\0\0\0", 17);

    expectResults({
        {"saveimage " + quoted("copy.LGF") + " :f print imageinfo loadimage " + quoted("copy.LGF"),
         "style heading zeroangle 0 loop true"},
        {"print count loadimage " + quoted("copy"), "3"},
        {"print delay last loadimage " + quoted("copy."), "30"},
        {"savebitmap " + x + " :w print imagesize loadbitmap " + x, "31 20"},
        {"print hotspot loadimage " + quoted("x.BMP"), "15 10"},
        {"saveimage " + quoted("x.jpg") + " :w print imagesize loadimage " + quoted("x.jpg"), "31 20"},
        {"saveimage " + quoted("x.gif") + " :s print count toframes loadimage " + quoted("x.gif"), "3"},
        {"print imagesize loadimage " + quoted("small.png"), "7 5"},
        {"print imagesize loadimage " + quoted("small.ico"), "7 5"},
        {"saveimage " + quoted("x.png") + " :f", "erFileName"},
        {"savebitmap " + quoted("x.tif") + " :w", "erFileName"},
        {"appendimage " + quoted("x.png") + " :f print count loadimage " + quoted("x.png.LGF"), "3"},
        {"saveimage " + quoted("e.bmp") + " emptyimage", "erEmptyImage"},
        {"saveimage " + quoted("e.lgf") + " \"word", "erExpectImage"},
        {"appendimage " + quoted("e.lgf") + " (list :f \"word)", "erExpectImage"},
        {"appendimage " + quoted("two") + " :s appendimage " + quoted("two") + " (list :w :f) print count loadimagelist " +
             quoted("two"),
         "3"},
        {"print count first loadimagelist " + quoted("two"), "1"},
        {"print count loadimage " + quoted("two:2.LGF"), "3"},
        {"print count loadimage " + quoted("two:9.LGF"), "0"},
        {"print (loadimagelist " + quoted("two") + " 0)", ""},
        {"print (loadimagelist " + quoted("two") + " \"a)", "erExpectNumber"},
        {"print (loadimagelist)", "erNotEnoughInputs"},
        {"saveimage " + quoted("two") + " :w print count loadimagelist " + quoted("two"), "1"},
        {"print loadimage " + quoted("missing"), "erFileProblem"},
        {"print loadimage " + quoted("text.lgf"), "erImageFile"},
        {"print loadimage " + quoted("cut.lgf"), "erImageFile"},
        {"print loadimage " + quoted("x.wmf"), "erFileProblem"},
    });
    EXPECT_TRUE(fs::exists(folder / "x.BMP"));
    EXPECT_TRUE(fs::exists(folder / "copy.LGF"));
}

}  // namespace
