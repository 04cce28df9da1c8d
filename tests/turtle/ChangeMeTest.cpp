#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "../mainobj/MainObjectWorld.h"
#include "mainobj/editor/editorFront.h"
#include "turtle/colours/ColourPrimitives.h"
#include "turtle/graphicKinds.h"

namespace {

// Keeps what the editor was asked to open.
class tRecordingFront : public tEditorFront {
public:
    void Open(const std::string& title, const std::string& text) override { opened.push_back({title, text}); }
    std::vector<std::pair<std::string, std::string>> opened;
};

class ChangeMe : public ::testing::Test {
protected:
    ChangeMe()
    {
        static bool started = [] {
            startColours();
            return true;
        }();
        (void)started;
        registerGraphicKinds();
        buildStartWindow();
        startEditor();
        installEditorFront(front);
    }
    ~ChangeMe() override { installEditorFront(nullptr); }

    tMainObjectWorld world;
    std::shared_ptr<tRecordingFront> front = std::make_shared<tRecordingFront>();
};

TEST_F(ChangeMe, OpensTheObjectsPropertiesAsLinesThatSetThem)
{
    ASSERT_EQ(world.ErrorOf("ask \"mainwindow1'page1 [new \"turtle [name rex heading 30 penwidth 3]]"), "none");
    ASSERT_EQ(world.ErrorOf("ask \"mainwindow1'page1'rex [changeme]"), "none");
    ASSERT_EQ(front->opened.size(), 1u);
    const auto& [title, text] = front->opened[0];
    EXPECT_EQ(title, "mainwindow1'page1'rex");
    EXPECT_NE(text.find("mainwindow1'page1'rex'set \"heading 30\r\n"), std::string::npos) << text;
    EXPECT_NE(text.find("'set \"penwidth 3\r\n"), std::string::npos) << text;
    EXPECT_NE(text.find("'set \"pen \"pendown\r\n"), std::string::npos) << text;
    // Derived ones are not: set after the one they derive from, they would undo its change.
    EXPECT_EQ(text.find("\"xcor "), std::string::npos) << text;
    // Naming and placing are not among them: they have primitives of their own.
    EXPECT_EQ(text.find("\"name "), std::string::npos) << text;

    // The lines, changed and run as the editor runs them, set the properties.
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.find("\"heading ") != std::string::npos) line = line.substr(0, line.rfind(' ')) + " 120";
        world.Run(line);
    }
    EXPECT_EQ(world.Run("ask \"mainwindow1'page1'rex [print heading]"), "120\n");
}

TEST_F(ChangeMe, TheMainObjectAndTheConsoleHaveNothingToChange)
{
    EXPECT_EQ(world.ErrorOf("changeme"), "erNoActiveObj");
    installEditorFront(nullptr);
    world.Run("ask \"mainwindow1'page1 [new \"turtle [name rex]]");
    EXPECT_EQ(world.ErrorOf("ask \"mainwindow1'page1'rex [changeme]"), "erZembrixEditor");
    EXPECT_TRUE(front->opened.empty());
}

}  // namespace
