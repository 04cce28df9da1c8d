#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "../mainobj/MainObjectWorld.h"
#include "ImageFixtures.h"
#include "images/lgfChunks.h"
#include "images/lgfImages.h"
#include "images/lgfText.h"
#include "images/projects/saveOptions.h"
#include "images/projects/currentProject.h"
#include "images/projects/startProjects.h"
#include "images/startImages.h"
#include "language/StreamKeys.h"
#include "language/tFileStream.h"
#include "language/tMemoryStream.h"
#include "language/texecodedstream.h"
#include "turtle/colours/ColourPrimitives.h"
#include "values/tTabDesc.h"

namespace fs = std::filesystem;

namespace {

struct tCase {
    std::string lines;
    const char* expected;
};

// The main object with the image and project primitives, and a folder for project files.
class ProjectPrimitives : public ::testing::Test {
protected:
    void SetUp() override
    {
        startColours();
        startImages();
        startProjects();
        folder = fs::temp_directory_path() / ("zx-projects-" + std::to_string(::getpid()));
        fs::create_directories(folder);
    }
    void TearDown() override { fs::remove_all(folder); }

    // A project file of the text, then the images as chunks in the order given.
    void writeProject(const std::string& name, std::string_view text, const std::vector<const tLogoImage*>& images)
    {
        tFileStream file(path(name), tFileStream::create);
        texecodedstream coded(file, kProjectKey);
        const int64_t body = beginProjectStream(coded, "");
        coded.WriteExact(text.data(), int64_t(text.size()));
        closeTextChunk(coded, body, false);
        for (const tLogoImage* image : images)
            appendImageChunk(*image, coded, 1);
    }
    std::string path(const std::string& name) const { return (folder / name).string(); }
    // The text chunk of a saved project, decoded.
    std::string savedText(const std::string& name) const
    {
        std::ifstream stored(path(name), std::ios::binary);
        tMemoryStream bytes(std::vector<uint8_t>(std::istreambuf_iterator<char>(stored), {}));
        texecodedstream decoded(bytes, kProjectKey);
        chunkCount(decoded, lpProjectFile);
        std::string text(size_t(findTextChunk(decoded, 0)), '\0');
        decoded.ReadExact(text.data(), int64_t(text.size()));
        return text;
    }
    std::string quoted(const std::string& name) const { return "\"|" + path(name) + "|"; }

    std::string result(const std::string& lines)
    {
        const std::string error = world.ErrorOf(lines);
        if (error != "none")
            return error;
        std::string text = std::exchange(world.printed, {});
        std::erase(text, '\r');
        if (!text.empty() && text.back() == '\n')
            text.pop_back();
        return text;
    }
    void expectResults(const std::vector<tCase>& cases)
    {
        for (const tCase& c : cases)
            EXPECT_EQ(result(c.lines), c.expected) << c.lines;
    }

    tMainObjectWorld world;
    fs::path folder;
};

TEST_F(ProjectPrimitives, ImagesAreNumberedFromTheLastChunkAndOnlyDuringTheLoad)
{
    const auto one = patternImage({1});
    const auto three = patternImage({1, 1, 1});
    // The writer stores the first registered image last.
    writeProject("pictures.zxp",
                 "make \"a count .loadimage 1\r\n\r\nmake \"b count .loadimage 2\r\n\r\n"
                 "make \"z count .loadimage 0\r\n\r\nmake \"beyond count .loadimage 3\r\n",
                 {three.get(), one.get()});
    expectResults({
        {"load " + quoted("pictures.zxp") + " print (list :a :b :z :beyond)", "1 3 24 24"},
        {"print count .loadimage 1", "24"},
    });
}

TEST_F(ProjectPrimitives, ImagesFromASeparateFile)
{
    const auto three = patternImage({1, 1, 1});
    {
        tFileStream images(path("extra.lgf"), tFileStream::create);
        appendImageChunk(*three, images, 1);
    }
    writeProject("separate.zxp",
                 ".setloadimage " + quoted("extra.lgf") + "\r\n\r\nmake \"a count .loadimage 1\r\n\r\n"
                 ".setloadimage " + quoted("missing.lgf") + "\r\n\r\nmake \"b count .loadimage 1\r\n", {});
    expectResults({{"load " + quoted("separate.zxp") + " print (list :a :b)", "3 24"}});
}

TEST_F(ProjectPrimitives, LoadRunsProjectsAndChecksItsInputs)
{
    writeProject("verbose.zxp", "to greet :who\r\n  print :who\r\nend\r\n\r\ngreet \"hello\r\n", {});
    writeProject("failing.zxp", "make \"before 1\r\n\r\nnosuchword\r\n\r\nmake \"after 1\r\n", {});
    std::vector<uint8_t> garbage(40, 'x');
    {
        tFileStream file(path("garbage.zxp"), tFileStream::create);
        file.WriteExact(garbage.data(), int64_t(garbage.size()));
    }
    expectResults({
        {"load " + quoted("verbose.zxp"), "hello"},
        {"(load " + quoted("verbose.zxp") + " [verbose true])", "to greet :who\xB6  print :who\xB6" "end\ngreet \"hello\nhello"},
        {"(load " + quoted("verbose.zxp") + " [[verbose false]])", "hello"},
        {"(load " + quoted("verbose.zxp") + " \"verbose)", "erExpectList"},
        {"(load)", "erNotEnoughInputs"},
        {"(load " + quoted("verbose.zxp") + " [] [])", "erTooManyInputs"},
        {"load " + quoted("nothere.zxp"), "erFileProblem"},
        {"load " + quoted("garbage.zxp"), "erZembrixProject"},
        {"load " + quoted("failing.zxp"), "erDoNotKnowHowTo"},
        {"print :before", "1"},
        {"print namep \"after", "false"},
        {".setloadimage " + quoted("x.lgf"), "erWrongPlaceINI"},
    });
}

TEST_F(ProjectPrimitives, LoadingAsTheCurrentProjectRemembersItsFile)
{
    writeProject("current.zxp", "make \"seen 1\r\n", {});
    setCurrentProjectFile("");
    expectResults({{".load " + quoted("current.zxp") + " print :seen", "1"}});
    EXPECT_EQ(currentProjectFile(), path("current.zxp"));
}

TEST_F(ProjectPrimitives, SaveOptionWords)
{
    expectResults({
        {".setsaveoptions [backup extraimg startup]", ""},
        {".setsaveoptions [backup nonsense]", "erBadValue"},
        {".setsaveoptions [[backup]]", "erBadValue"},
    });
    EXPECT_EQ(storedSaveOptions(), soBackup | soExtraImages);
    EXPECT_EQ(saveOptionsText(storedSaveOptions()), "[backup extraimg]");
    EXPECT_EQ(saveOptionsText(0), "[]");
    result(".setsaveoptions [READONLY PageBg panebg]");
    EXPECT_EQ(storedSaveOptions(), soReadOnly | soPageBg | soPaneBg);
    storeSaveOptions(0);
}

TEST_F(ProjectPrimitives, SavedWorkspaceLoadsBackIntoAFreshProgram)
{
    const auto one = patternImage({1});
    const auto three = patternImage({1, 1, 1});
    {
        tFileStream file(path("pictures.lgf"), tFileStream::create);
        appendImageChunk(*one, file, 1);
        appendImageChunk(*three, file, 1);
    }
    const std::string saveName = path("round.zxp");
    expectResults({
        {"make \"n 42 make \"w \"|two words| make \"l [1 [2 3] |a b|]", ""},
        {"make \"first loadimage \"|" + path("pictures:0.lgf") + "| make \"again :first", ""},
        {"make \"second loadimage \"|" + path("pictures:1.lgf") + "| make \"turtle .loadimage 0", ""},
        {"define \"square [[x] [output :x * :x]]", ""},
        {"pprop \"colours \"sky \"blue", ""},
        {"save \"|" + saveName + "|", ""},
    });
    EXPECT_EQ(currentProjectFile(), saveName);

    // The decoded file: english has no language chunk; two images for three uses.
    std::ifstream stored(saveName, std::ios::binary);
    tMemoryStream bytes(std::vector<uint8_t>(std::istreambuf_iterator<char>(stored), {}));
    texecodedstream decoded(bytes, kProjectKey);
    EXPECT_EQ(readLanguageChunk(decoded), "");
    EXPECT_EQ(chunkCount(decoded, lpProjectFile), 3);
    ASSERT_GT(findTextChunk(decoded, 0), 0);
    std::string start(7, '\0');
    decoded.ReadExact(start.data(), 7);
    EXPECT_EQ(start, "; name:");

    expectResults({
        {"make \"n 0 make \"w 0 make \"l 0 make \"first 0 make \"again 0 make \"second 0 make \"turtle 0", ""},
        {"define \"square [[x] [output 0]] pprop \"colours \"sky \"red", ""},
        {"load \"|" + saveName + "|", ""},
        {"print (list :n :w :l square 5 gprop \"colours \"sky)", "42 two words [1 [2 3] a b] 25 blue"},
        {"print (list count :first count :again count :second count :turtle)", "1 1 3 24"},
        {"print :first = :again", "true"},
    });
}

TEST_F(ProjectPrimitives, SaveOptionsShapeTheFiles)
{
    const auto three = patternImage({1, 1, 1});
    {
        tFileStream file(path("pictures.lgf"), tFileStream::create);
        appendImageChunk(*three, file, 1);
    }
    const std::string saveName = path("options.zxp");
    expectResults({
        {"make \"pic loadimage \"|" + path("pictures.lgf") + "| make \"mark 1", ""},
        {"save \"|" + saveName + "|", ""},
        {"make \"mark 2 .setsaveoptions [backup extraimg readonly]", ""},
        {"save \"|" + saveName + "|", ""},
    });
    storeSaveOptions(0);
    EXPECT_TRUE(fs::exists(saveName + ".bak"));
    EXPECT_TRUE(fs::exists(saveName + ".LGF"));
    EXPECT_EQ(fs::status(saveName).permissions() & fs::perms::owner_write, fs::perms::none);

    // The project itself holds only its text, which first names the image file.
    std::ifstream stored(saveName, std::ios::binary);
    tMemoryStream bytes(std::vector<uint8_t>(std::istreambuf_iterator<char>(stored), {}));
    texecodedstream decoded(bytes, kProjectKey);
    EXPECT_EQ(chunkCount(decoded, lpProjectFile), 1);
    const std::string text = savedText("options.zxp");
    EXPECT_NE(text.find("\r\n\r\n.setloadimage \"|$options.zxp.LGF|\r\n\r\n.setsaveoptions [backup readonly extraimg]"),
              std::string::npos)
        << text;

    expectResults({
        {"make \"pic 0 make \"mark 0", ""},
        {"load \"|" + saveName + "| print (list count :pic :mark)", "3 2"},
        {"load \"|" + saveName + ".bak| print :mark", "1"},
    });
    fs::permissions(saveName, fs::perms::owner_write, fs::perm_options::add);
}

TEST_F(ProjectPrimitives, ClassesInstancesAndTheirEventsComeBack)
{
    for (const std::string& line : std::vector<std::string>{"newclass [] \"animal [legs 4]",
                                    "ask \"animal [define \"speak [[] [print list myname legs]] "
                                    "setevent \"onclick [print \"click]]",
                                    "newclass \"animal \"dog []", "new \"dog [name rex legs 3]",
                                    "newclass [] \"helper []", "ask \"helper [define \"help [[] [print \"helping]]]",
                                    "ask \"rex [haveown \"mood \"|very happy| setevent \"bark [print \"woof] "
                                    "setevent \"secret [print 1]]",
                                    "ask \"rex [.donotsaveevent \"secret addBehaviour \"helper]",
                                    "setevent \"onhello [print \"hi]", "save " + quoted("objects.zxp")})
        ASSERT_EQ(world.ErrorOf(line), "none") << line;
    ASSERT_TRUE(fs::exists(path("objects.zxp")));
    const std::string text = savedText("objects.zxp");
    // Objects the load makes are numbered in the order it makes them.
    for (const char* line : {"\r\n\r\nnewclass \"main \"animal [\r\n\tlegs 4\r\n",
                             "\r\n#1'to speak\r\n",
                             "\r\n\t#1'setevent \"onclick [print \"click]\r\n",
                             "\r\nnewclass \"#1 \"dog [\r\n",
                             "\r\n.new. \"#2 [132 rex\r\n\tlegs 3\r\n\tmood |very happy|\r\n\t]\r\n",
                             "\r\n\t#3'setevent \"bark [print \"woof]\r\n",
                             "\r\n#4'to help\r\n",
                             "\r\n#3'.addbehaviour \"#4\r\n"})
        EXPECT_NE(text.find(line), std::string::npos) << line << "\nin\n" << text;
    EXPECT_EQ(text.find("secret"), std::string::npos) << text;

    world.Run("erasecomplete \"animal eraseobject \"helper eraseevent \"onhello\n");
    ASSERT_EQ(world.ErrorOf("print rex'myname"), "erNoObject");
    EXPECT_EQ(world.Run("load " + quoted("objects.zxp") + " "
                        "runevent \"onhello rex'speak rex'help ask \"rex [runevent \"bark runevent \"onclick print mood]\n"
                        "print (list rex'myparent'myname dog'myparent'myname ask \"rex [myevent? \"secret])\n"),
              "hi\nrex 3\nhelping\nwoof\nclick\nvery happy\ndog animal false\n");
    // The world keeps the main object's events from test to test.
    world.Run("eraseevent \"onhello");
}

TEST_F(ProjectPrimitives, ObjectsTheStartupProgramMadeSetTheirState)
{
    setStartupLoading(true);
    const std::string made = result("newclass [] \"system []");
    setStartupLoading(false);
    ASSERT_EQ(made, "");
    expectResults({{"newclass [] \"mine [] ask \"system [define \"hello [[] [print 1]]]", ""},
                   {"save " + quoted("system.zxp"), ""}});
    const std::string text = savedText("system.zxp");
    EXPECT_NE(text.find("\r\nsystem'.setstate. [\r\n"), std::string::npos) << text;
    EXPECT_NE(text.find("\r\nnewclass \"main \"mine [\r\n"), std::string::npos) << text;
}

}  // namespace
