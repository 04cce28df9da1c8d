#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "../../mainobj/MainObjectWorld.h"
#include "../dialogs/scriptedDialogFront.h"
#include "mainobj/system/tFilePaths.h"

// The environment's choosers: what they offer the window's item and line dialogs, and what
// they make of the answers.

namespace {

tDialogAnswer chose(int code, std::string text = {}) { return {false, code, std::move(text), 0}; }

class EnvironmentChoosers : public ::testing::Test {
protected:
    EnvironmentChoosers() { installDialogFront(front); }
    ~EnvironmentChoosers() override { installDialogFront(nullptr); }

    tMainObjectWorld world;
    std::shared_ptr<tScriptedFront> front = std::make_shared<tScriptedFront>();
};

TEST_F(EnvironmentChoosers, URLchooserOutputsTheAddressTyped)
{
    front->answers = {chose(0, "https://example.org/page.html"), tDialogAnswer{}};
    EXPECT_EQ(world.Run("print urlchooser \"start.example.org  show urlchooser []"),
              "https://example.org/page.html\n[]\n");
    ASSERT_EQ(front->lines.size(), 2u);
    EXPECT_EQ(front->lines[0].initial, "start.example.org");
    EXPECT_EQ(front->lines[0].prompt, "Web address");
    EXPECT_EQ(front->lines[0].okLabel, "OK");
    EXPECT_EQ(front->lines[1].initial, "");
}

// Each offers its numbers in order, starts at the input when it is one of them, and outputs
// the number in the form the pen and fill setters take.
TEST_F(EnvironmentChoosers, PatternAndWidthChoosersOutputTheNumberChosen)
{
    const struct {
        const char* chooser;
        const char* input;
        size_t offered;
        const char* firstItem;
        const char* lastItem;
        int initial;
        int answer;
        const char* output;
    } cases[] = {
        {"linepatternchooser", "3", 7, "Solid, inside the figure", "No line", 3, 1, "1"},
        {"linepatternchooser", "7", 7, "Solid, inside the figure", "No line", 0, 6, "6"},
        {"fillpatternchooser", "[]", 8, "Solid", "No fill", 0, 7, "7"},
        {"fillpatternchooser", "2.5", 8, "Solid", "No fill", 0, 2, "2"},
        {"linewidthchooser", "5", 20, "1", "20", 4, 0, "1"},
        {"linewidthchooser", "\"thick", 20, "1", "20", 0, 19, "20"},
    };
    for (const auto& c : cases) {
        front->items.clear();
        front->answers = {chose(c.answer)};
        const std::string line = std::string(c.chooser) + " " + c.input;
        EXPECT_EQ(world.Run("print " + line), std::string(c.output) + "\n") << line;
        ASSERT_EQ(front->items.size(), 1u) << line;
        const tItemsRequest& offered = front->items[0];
        ASSERT_EQ(offered.items.size(), c.offered) << line;
        EXPECT_EQ(offered.items.front(), c.firstItem) << line;
        EXPECT_EQ(offered.items.back(), c.lastItem) << line;
        EXPECT_EQ(offered.initial, c.initial) << line;
    }
    EXPECT_EQ(world.Run("show linepatternchooser 0  show fillpatternchooser 0  show linewidthchooser 1"), "[]\n[]\n[]\n");
}

TEST_F(EnvironmentChoosers, DemodialogOffersTheDemoFoldersProjects)
{
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / "zembrix-demo-chooser";
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder / "Older.zxp");  // a folder, not a project
    for (const char* name : {"shapes.zxp", "Animals.ZXP", "notes.txt"}) std::ofstream(folder / name) << "x";
    const std::vector<std::string> kept = searchFolders(fkDemo);
    setSearchFolders(fkDemo, {folder.string() + "/"});

    front->answers = {chose(1), tDialogAnswer{}};
    EXPECT_EQ(world.Run("print demodialog  show demodialog"), (folder / "shapes.zxp").string() + "\n[]\n");
    ASSERT_EQ(front->items.size(), 2u);
    EXPECT_EQ(front->items[0].items, (std::vector<std::string>{"Animals", "shapes"}));
    EXPECT_EQ(front->items[0].caption, "Demo Projects");

    std::filesystem::remove(folder / "shapes.zxp");
    std::filesystem::remove(folder / "Animals.ZXP");
    EXPECT_EQ(world.ErrorOf("show demodialog"), "erNoDemo");
    setSearchFolders(fkDemo, kept);
    std::filesystem::remove_all(folder);
}

// Nobody can choose without a window: the empty list at once, even with no demo projects.
TEST_F(EnvironmentChoosers, WithoutAWindowTheyAnswerAtOnce)
{
    installDialogFront(nullptr);
    EXPECT_EQ(world.Run("show urlchooser \"x  show linepatternchooser 1  show fillpatternchooser 1"
                        "  show linewidthchooser 1  show demodialog"),
              "[]\n[]\n[]\n[]\n[]\n");
}

}  // namespace
