#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "../mainobj/MainObjectWorld.h"
#include "images/lgfChunks.h"
#include "images/lgfText.h"
#include "images/projects/startProjects.h"
#include "images/startImages.h"
#include "language/StreamKeys.h"
#include "language/tMemoryStream.h"
#include "language/texecodedstream.h"
#include "turtle/colours/ColourPrimitives.h"

namespace fs = std::filesystem;

namespace {

// Classes and instances of the main object written into a project and read back.
class ProjectObjects : public ::testing::Test {
protected:
    void SetUp() override
    {
        startColours();
        startImages();
        startProjects();
        folder = fs::temp_directory_path() / ("zx-project-objects-" + std::to_string(::getpid()));
        fs::create_directories(folder);
        file = "\"|" + (folder / "objects.zxp").string() + "|";
    }
    void TearDown() override { fs::remove_all(folder); }

    std::string savedText() const
    {
        std::ifstream stored(folder / "objects.zxp", std::ios::binary);
        tMemoryStream bytes(std::vector<uint8_t>(std::istreambuf_iterator<char>(stored), {}));
        texecodedstream decoded(bytes, kProjectKey);
        chunkCount(decoded, lpProjectFile);
        std::string text(size_t(findTextChunk(decoded, 0)), '\0');
        decoded.ReadExact(text.data(), int64_t(text.size()));
        return text;
    }

    tMainObjectWorld world;
    fs::path folder;
    std::string file;
};

TEST_F(ProjectObjects, ClassesInstancesAndTheirEventsComeBack)
{
    for (const std::string& line : std::vector<std::string>{"newclass [] \"animal [legs 4]",
                                    "ask \"animal [define \"speak [[] [print list myname legs]] "
                                    "setevent \"onclick [print \"click]]",
                                    "newclass \"animal \"dog []", "new \"dog [name rex legs 3]",
                                    "newclass [] \"helper []", "ask \"helper [define \"help [[] [print \"helping]]]",
                                    "ask \"rex [haveown \"mood \"|very happy| setevent \"bark [print \"woof] "
                                    "setevent \"secret [print 1]]",
                                    "ask \"rex [.donotsaveevent \"secret addBehaviour \"helper]", "save " + file})
        ASSERT_EQ(world.ErrorOf(line), "none") << line;
    ASSERT_TRUE(fs::exists(folder / "objects.zxp"));
    const std::string text = savedText();
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

    world.Run("erasecomplete \"animal eraseobject \"helper\n");
    ASSERT_EQ(world.ErrorOf("print rex'myname"), "erNoObject");
    EXPECT_EQ(world.Run("load " + file + " "
                        "rex'speak rex'help ask \"rex [runevent \"bark runevent \"onclick print mood]\n"
                        "print (list rex'myparent'myname dog'myparent'myname ask \"rex [myevent? \"secret])\n"),
              "rex 3\nhelping\nwoof\nclick\nvery happy\ndog animal false\n");
}

}  // namespace
