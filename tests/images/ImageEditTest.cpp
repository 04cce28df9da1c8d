#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <optional>
#include <string>

#include "../mainobj/MainObjectWorld.h"
#include "ImageFixtures.h"
#include "images/imageEditorFront.h"
#include "images/imageFiles.h"
#include "images/startImages.h"
#include "turtle/colours/ColourPrimitives.h"

namespace fs = std::filesystem;

namespace {

// An editor that paints at once: pixel (1, 1) red, pixel (0, 0) transparent; or cancels.
class ImageEdit : public ::testing::Test {
protected:
    void SetUp() override
    {
        startColours();
        startImages();
        folder = fs::temp_directory_path() / ("zx-imageedit-" + std::to_string(::getpid()));
        fs::create_directories(folder);
        installImageEditor([this](const std::string& title, const QImage& picture, auto done) {
            shownTitle = title;
            shownSize = picture.size();
            if (cancel) {
                done(std::nullopt);
            } else {
                QImage painted = picture.convertToFormat(QImage::Format_ARGB32);
                painted.setPixel(1, 1, qRgb(255, 0, 0));
                painted.setPixel(0, 0, qRgba(0, 0, 0, 0));
                done(painted);
            }
            return tDialogFront::tCloser([] {});
        });
    }
    void TearDown() override
    {
        installImageEditor(nullptr);
        fs::remove_all(folder);
    }
    std::string path(const std::string& name) const { return (folder / name).string(); }
    std::string edit(const std::string& name) { return world.ErrorOf("editimage \"|" + path(name) + "|"); }

    tMainObjectWorld world;
    fs::path folder;
    bool cancel = false;
    std::string shownTitle;
    QSize shownSize;
};

TEST_F(ImageEdit, ThePaintedFirstPictureIsSavedAndTheRestOfTheFileKept)
{
    const tLogoRef<tLogoImage> before = patternImage({2, 1});
    saveImageNamed(path("two.lgf"), before.get(), tSaveMode::save);
    ASSERT_EQ(edit("two.lgf"), "none");
    EXPECT_EQ(shownSize, QSize(before->FirstPicture()->Width(), before->FirstPicture()->Height()));

    const tLogoRef<tLogoImage> after(loadImageNamed(path("two.lgf"), ".LGF"));
    ASSERT_EQ(after->Count(), 2);
    const tLogoPicture& first = *after->FirstPicture();
    EXPECT_EQ(first.colour.pixel(1, 1), qRgb(255, 0, 0));
    EXPECT_TRUE(first.IsTransparent(0, 0));
    EXPECT_EQ(first.hotX, before->FirstPicture()->hotX);
    // Everything but the first picture is as it was.
    ASSERT_EQ(after->frames[0]->Count(), 2);
    EXPECT_EQ(after->frames[0]->Picture(1)->colour, before->frames[0]->Picture(1)->colour);
    EXPECT_EQ(after->frames[1]->Picture(0)->colour, before->frames[1]->Picture(0)->colour);
}

TEST_F(ImageEdit, ANewFileStartsAsAWhitePictureAndCancellingWritesNothing)
{
    cancel = true;
    ASSERT_EQ(edit("new.lgf"), "none");
    EXPECT_EQ(shownSize, QSize(32, 32));
    EXPECT_FALSE(fs::exists(path("new.lgf")));

    cancel = false;
    ASSERT_EQ(edit("new.lgf"), "none");
    const tLogoRef<tLogoImage> made(loadImageNamed(path("new.lgf"), ".LGF"));
    EXPECT_EQ(made->FirstPicture()->colour.pixel(1, 1), qRgb(255, 0, 0));
    EXPECT_EQ(made->FirstPicture()->colour.pixel(5, 5), qRgb(255, 255, 255));
}

TEST_F(ImageEdit, WithoutAWindowThereIsNoEditor)
{
    installImageEditor(nullptr);
    EXPECT_EQ(edit("two.lgf"), "erZembrixEditor");
}

}  // namespace
