#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "MainObjectWorld.h"
#include "mainobj/editor/editorFront.h"
#include "objects/tControlObject.h"

namespace {

// Keeps what "edit" opened instead of showing it.
class tRecordingFront : public tEditorFront {
public:
    void Open(const std::string& title, const std::string& text) override { opened.push_back({title, text}); }
    std::vector<std::pair<std::string, std::string>> opened;
};

class EditTest : public ::testing::Test {
protected:
    EditTest()
    {
        startEditor();
        installEditorFront(front);
    }
    ~EditTest() override { installEditorFront(nullptr); }

    tMainObjectWorld world;
    std::shared_ptr<tRecordingFront> front = std::make_shared<tRecordingFront>();
};

TEST_F(EditTest, GathersTheDefinitionsAndAnEmptyOneForANewName)
{
    world.Run("define \"square [[side] [repeat 4 [fd :side rt 90]]]");
    world.Run("edit [square circle]");
    ASSERT_EQ(front->opened.size(), 1u);
    EXPECT_EQ(front->opened[0].first, "square circle");
    EXPECT_EQ(front->opened[0].second, "to square :side\r\n repeat 4 [fd :side rt 90]\r\nend\r\n\r\nto circle\r\nend");
}

TEST_F(EditTest, ProceduresOfAnObjectCarryItsName)
{
    world.Make("rex", nullptr, true);
    world.Run("ask \"rex [define \"bark [[] [print \"woof]]]");
    world.Run("ask \"rex [edit \"bark edit \"wag]");
    ASSERT_EQ(front->opened.size(), 2u);
    EXPECT_EQ(front->opened[0].second.rfind("rex'to bark", 0), 0u) << front->opened[0].second;
    EXPECT_EQ(front->opened[1].second, "rex'to wag\r\nend");
}

TEST_F(EditTest, PrimitivesCannotBeEditedAndWithoutAWindowNothingCan)
{
    EXPECT_EQ(world.ErrorOf("edit \"print"), "erCannotEdit");
    EXPECT_EQ(world.ErrorOf("edit [1 2]"), "erCannotEdit");
    installEditorFront(nullptr);
    EXPECT_EQ(world.ErrorOf("edit \"square"), "erZembrixEditor");
    EXPECT_TRUE(front->opened.empty());
}

}  // namespace
