#include "platform/desktop/startDesktop.h"
#include "platform/desktop/tDesktopLauncher.h"

#include "../../mainobj/MainObjectWorld.h"
#include "mainobj/system/tFilePaths.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// Records what would have been started or opened; answers as told.
class tRecordingLauncher : public tDesktopLauncher {
public:
    bool StartProgram(const std::string& program, const std::vector<std::string>& arguments,
                      const std::string& folder) override
    {
        started.push_back(program);
        started.insert(started.end(), arguments.begin(), arguments.end());
        startedIn = folder;
        return answer;
    }
    bool OpenAddress(const std::string& address) override
    {
        opened.push_back(address);
        return answer;
    }

    bool answer = true;
    std::vector<std::string> started;
    std::string startedIn;
    std::vector<std::string> opened;
};

class DocumentPrimitives : public testing::Test {
protected:
    void SetUp() override
    {
        startDesktop();
        installDesktopLauncher(launcher);
        folder = fs::temp_directory_path() / ("zx-documents-" + std::to_string(getpid()));
        fs::create_directories(folder);
        std::ofstream(folder / "notes 1.txt") << "n";
        setWorkFolder(folder.string() + "/");
    }
    void TearDown() override
    {
        installDesktopLauncher(std::make_shared<tQtDesktopLauncher>());
        setWorkFolder("");
        fs::remove_all(folder);
    }

    tMainObjectWorld world;
    std::shared_ptr<tRecordingLauncher> launcher = std::make_shared<tRecordingLauncher>();
    fs::path folder;
};

using tWords = std::vector<std::string>;

TEST_F(DocumentPrimitives, ACommandLineIsSplitWithoutAShell)
{
    struct {
        const char* lines;
        tWords started;
    } cases[] = {
        // A word is split at blanks; double quotes keep blanks; ";", "$" and "*" are plain characters.
        {"runprogram \"|editor \"a b\" c;rm *.txt $HOME|", {"editor", "a b", "c;rm", "*.txt", "$HOME"}},
        // A list gives one argument per element, a sublist as its text.
        {"runprogram [editor x.txt [two words]]", {"editor", "x.txt", "two words"}},
        // Further inputs are further arguments.
        {"(runprogram \"editor \"|x y| 3)", {"editor", "x y", "3"}},
    };
    for (const auto& c : cases) {
        launcher->started.clear();
        EXPECT_EQ(world.ErrorOf(c.lines), "none") << c.lines;
        EXPECT_EQ(launcher->started, c.started) << c.lines;
    }
    // Programs start in the work folder.
    EXPECT_EQ(launcher->startedIn, folder.string() + "/");
}

TEST_F(DocumentPrimitives, WhatCannotBeStartedOrOpenedFailsTheDocumentError)
{
    EXPECT_EQ(world.ErrorOf("runprogram []"), "erOpenDoc");
    EXPECT_EQ(world.ErrorOf("runprogram \"||"), "erOpenDoc");
    EXPECT_EQ(world.ErrorOf("showdocument \"nosuchfile.txt"), "erOpenDoc");
    EXPECT_EQ(world.ErrorOf("showdocument \"clipboard"), "erOpenDoc");
    EXPECT_TRUE(launcher->started.empty() && launcher->opened.empty());
    EXPECT_EQ(world.ErrorOf("(showdocument \"|notes 1.txt| 2)"), "erTooManyInputs");

    launcher->answer = false;
    EXPECT_EQ(world.ErrorOf("runprogram \"editor"), "erOpenDoc");
    EXPECT_EQ(world.ErrorOf("showdocument \"|notes 1.txt|"), "erOpenDoc");
    EXPECT_EQ(world.ErrorOf("browsedocument \"|https://example.org/|"), "erOpenDoc");
}

TEST_F(DocumentPrimitives, DocumentsAndAddressesBecomeAddresses)
{
    const std::string notes = "file://" + folder.string() + "/notes%201.txt";
    struct {
        const char* lines;
        std::string opened;
    } cases[] = {
        // A file is found in the work folder and opened by its address.
        {"showdocument \"|notes 1.txt|", notes},
        {"showdocument \"|https://example.org/a b|", "https://example.org/a b"},
        {"browsedocument \"|notes 1.txt|", notes},
        {"browsedocument \"|mailto:someone@example.org|", "mailto:someone@example.org"},
        // Without a scheme and without such a file, a web address.
        {"browsedocument \"|example.org/page|", "http://example.org/page"},
    };
    for (const auto& c : cases) {
        launcher->opened.clear();
        EXPECT_EQ(world.ErrorOf(c.lines), "none") << c.lines;
        EXPECT_EQ(launcher->opened, tWords{c.opened}) << c.lines;
    }
}

}  // namespace
