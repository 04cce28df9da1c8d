#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "language/ProgramFile.h"
#include "mainobj/startInterpreter.h"
#include "mainobj/system/fileWildcards.h"
#include "mainobj/system/tFilePaths.h"
#include "processes/tInterpreterLock.h"

namespace {

namespace fs = std::filesystem;

// A work folder of its own with a "Texts" folder holding one file named in lower case.
class SystemFilePathsTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        tInterpreterLock::Holder lock;
        static bool started = [] {
            startInterpreter();
            return true;
        }();
        (void)started;
    }

    void SetUp() override
    {
        work = fs::temp_directory_path() / ("zxpaths" + std::to_string(::getpid()));
        fs::create_directories(work / "Texts");
        std::ofstream(work / "Texts" / "found.txt") << "x";
        setenv("HOME", "/home/learner", 1);
        setenv("XDG_DATA_HOME", "/data", 1);
        setUpFilePaths();
    }

    void TearDown() override
    {
        setWorkFolder("");
        fs::remove_all(work);
    }

    fs::path work;
};

struct tResolveCase {
    const char* name;
    tFileKind kind;
    tResolveFlags flags;
    bool withWorkFolder;
    const char* expected;  // "%" and "$" at the start stand for the program and work folders
};

TEST_F(SystemFilePathsTest, ResolvesByKindMarkerAndSearch)
{
    const tResolveCase cases[] = {
        // No work folder: its entries are skipped and the program folder is the kind-1 fallback.
        {"story", fkProject, {}, false, "%/story.ZXP"},
        {"story.old", fkProject, {}, false, "%/story.old"},
        {"story", fkProject, {.keepName = true}, false, "%/story"},
        // The file whose added extension is in lower case is found, by a search and by a name
        // to write, so that no second file differing only in case is made beside it.
        {"found", fkText, {.search = true}, true, "$/Texts/found.txt"},
        {"found", fkText, {}, true, "$/Texts/found.txt"},
        {"FOUND.Txt", fkText, {.search = true}, true, "$/Texts/found.txt"},
        {"missing", fkText, {.search = true}, true, "$/Texts/missing.TXT"},
        // Markers and folder parts say where the file is; only the extension is added.
        {"$notes", fkText, {}, true, "$/notes.TXT"},
        {"\xA7" "zembrix/cfg", fkGeneral, {}, false, "/data/zembrix/cfg"},
        {"<Desktop>pic", fkImage, {}, false, "/home/learner/Desktop/pic.LGF"},
        {"/tmp/x/song", fkSound, {}, false, "/tmp/x/song.WAV"},
        {"sub/part", fkText, {.keepName = true}, false, "sub/part"},
        {"clipboard", fkText, {}, false, "clipboard"},
    };
    for (const tResolveCase& c : cases) {
        setWorkFolder(c.withWorkFolder ? work.string() : "");
        std::string expected = c.expected;
        if (expected.rfind("%/", 0) == 0) expected = programFolder() + expected.substr(1);
        if (expected.rfind("$/", 0) == 0) expected = work.string() + expected.substr(1);
        EXPECT_EQ(resolveFileName(c.name, c.kind, c.flags), expected) << c.name;
    }
}

// With none of the kind's folders there, the name is taken in the working folder, and a file
// there whose name differs only in letter case is the one meant, searched for or not.
TEST_F(SystemFilePathsTest, WorkingFolderFileDifferingInCaseWhenNoFolderOfTheKindExists)
{
    const fs::path before = fs::current_path();
    fs::current_path(work);
    std::ofstream("zxnotes.zxp") << "x";
    setSearchFolders(fkProject, {"nowhere", "$"});
    const std::string found = resolveFileName("zxnotes", fkProject, {.search = true});
    const std::string written = resolveFileName("ZXNOTES.ZXP", fkProject, {});
    const std::string missing = resolveFileName("other", fkProject, {.search = true});
    fs::current_path(before);
    EXPECT_EQ(found, "zxnotes.zxp");
    EXPECT_EQ(written, "zxnotes.zxp");
    EXPECT_EQ(missing, "other.ZXP");
}

TEST_F(SystemFilePathsTest, SetFoldersAreNormalised)
{
    setSearchFolders(fkHelp, {"", "a", "b/", "%", "<Desktop>", "$x"});
    EXPECT_EQ(searchFolders(fkHelp), (std::vector<std::string>{"%", "a/", "b/", "%", "<Desktop>", "$x/"}));
    setSearchFolders(fkHelp, {"nowhere", "%"});
    EXPECT_EQ(firstExistingFolder(fkHelp), programFolder() + "/");
}

TEST_F(SystemFilePathsTest, KindWords)
{
    EXPECT_EQ(fileKindOfWord("SCREEN"), fkProject);
    EXPECT_EQ(fileKindOfWord("wave"), fkSound);
    EXPECT_EQ(fileKindOfWord("button"), fkButton);
    EXPECT_EQ(fileKindOfWord("folder"), -1);
}

TEST(SystemWildcards, Matching)
{
    struct tCase {
        const char* pattern;
        const char* name;
        bool matches;
    } cases[] = {
        {"*.txt", "A.TXT", true}, {"a?c", "abc", true},  {"a?c", "ac", false},   {"*a*b", "xaxxb", true},
        {"*", "", true},          {"a*", "b", false},    {"*.t?t", "x.tx", false}, {"ab*cd", "abcdcd", true},
    };
    for (const tCase& c : cases) EXPECT_EQ(matchesWildcards(c.pattern, c.name), c.matches) << c.pattern << " " << c.name;
}

}  // namespace
