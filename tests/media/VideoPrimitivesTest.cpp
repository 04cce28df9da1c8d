#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "SoundFolderWorld.h"
#include "media/videoFront.h"

namespace {

// What a window would be asked to show and take away.
class tRecordingVideoFront : public tVideoFront {
public:
    void Open(const tVideoPlace& place) override
    {
        opened.push_back(place);
        shown = place.path;
    }
    bool Close(const std::string& path) override
    {
        closed.push_back(path);
        if (path != shown) return false;
        shown.clear();
        return true;
    }

    std::vector<tVideoPlace> opened;
    std::vector<std::string> closed;
    std::string shown;
};

// Found by their bare names in the media folder, as sound files are.
class VideoPrimitives : public tSoundFolderWorld {
protected:
    VideoPrimitives() { std::ofstream(Path("clip.mp4")) << "not decoded here"; }
    ~VideoPrimitives() override { installVideoFront(nullptr); }

    std::string ClipLine(const std::string& primitive, const std::string& rest = "")
    {
        return primitive + " \"clip.mp4" + rest;
    }
};

// The console checks what it is given, then says it shows no videos.
TEST_F(VideoPrimitives, WithoutAWindowTheyFailAfterTheirInputsAreChecked)
{
    struct tCase {
        std::string line;
        std::string error;
    };
    const tCase cases[] = {
        {"openvideo \"missing.mp4 [0 0] [100 80]", "erVideoMissingFile"},
        {"openvideo \"|| [0 0] [100 80]", "erVideoMissingFile"},
        {"openvideo [clip] [0 0] [100 80]", "erExpectWord"},
        {ClipLine("openvideo", " [0] [100 80]"), "erExpectList2"},
        {ClipLine("openvideo", " [0 a] [100 80]"), "erExpectList2"},
        {ClipLine("openvideo", " [0 0] 100"), "erExpectList2"},
        {ClipLine("openvideo", " [0 0] [0 80]"), "erMinMax"},
        {ClipLine("openvideo", " [0 0] [100 80]"), "erInitVideo"},
        {ClipLine("closevideo"), "erInitVideo"},
    };
    for (const tCase& c : cases) EXPECT_EQ(world.ErrorOf(c.line), c.error) << c.line;
}

TEST_F(VideoPrimitives, AWindowIsAskedToShowTheFoundFileAtItsPlaceAndToTakeItAway)
{
    tRecordingVideoFront front;
    installVideoFront(&front);
    EXPECT_EQ(world.ErrorOf(ClipLine("openvideo", " [-5 20] [320 240]")), "none");
    ASSERT_EQ(front.opened.size(), 1u);
    EXPECT_EQ(front.opened[0].path, Path("clip.mp4"));
    EXPECT_EQ(front.opened[0].left, -5);
    EXPECT_EQ(front.opened[0].top, 20);
    EXPECT_EQ(front.opened[0].width, 320);
    EXPECT_EQ(front.opened[0].height, 240);
    EXPECT_EQ(world.ErrorOf(ClipLine("closevideo")), "none");
    EXPECT_EQ(world.ErrorOf(ClipLine("closevideo")), "erVideoState");
    EXPECT_EQ(front.closed, (std::vector<std::string>{Path("clip.mp4"), Path("clip.mp4")}));
}

}  // namespace
