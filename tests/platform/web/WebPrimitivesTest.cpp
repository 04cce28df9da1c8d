#include "platform/web/startWeb.h"

#include "../../mainobj/MainObjectWorld.h"
#include "LoopbackHttpServer.h"
#include "interpreter/ErrorMessages.h"
#include "values/eLogoException.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

std::string readFile(const fs::path& path)
{
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// The main object with the transfer primitives, and a loopback server serving a folder.
class WebPrimitives : public testing::Test {
protected:
    void SetUp() override
    {
        startWeb();
        folder = fs::temp_directory_path() / ("zx-webprims-" + std::to_string(getpid()));
        fs::create_directories(folder / "served");
        std::ofstream(folder / "served" / "a.txt", std::ios::binary) << "a\nb";
        std::ofstream(folder / "served" / "b.txt", std::ios::binary) << "b";
        server = std::make_unique<tLoopbackHttpServer>((folder / "served").string());
        if (server->base().empty())
            GTEST_SKIP() << "python3 could not start the loopback HTTP server";
    }

    void TearDown() override
    {
        server.reset();
        fs::remove_all(folder);
    }

    // Quoted between bars: "/" and ":" would end a plain quoted word.
    std::string url(const std::string& name) const { return "\"|" + server->base() + name + "|"; }
    std::string local(const std::string& name) const { return "\"|" + (folder / name).string() + "|"; }

    tMainObjectWorld world;
    fs::path folder;
    std::unique_ptr<tLoopbackHttpServer> server;
};

} // namespace

TEST_F(WebPrimitives, DownloadsOneOrSeveralFiles)
{
    EXPECT_EQ(world.Run("print downloadurl " + url("a.txt") + " " + local("one.txt")), "200\n");
    EXPECT_EQ(readFile(folder / "one.txt"), "a\r\nb");
    EXPECT_EQ(world.Run("print (downloadurl " + url("a.txt") + " " + local("bin.txt") +
                        " [transfertype binary])"),
              "200\n");
    EXPECT_EQ(readFile(folder / "bin.txt"), "a\nb");

    // Later names of a list are relative to the first; the local name becomes a folder.
    fs::create_directories(folder / "got");
    EXPECT_EQ(world.Run("print downloadurl (list " + url("a.txt") + " \"b.txt) " + local("got")), "200\n");
    EXPECT_EQ(readFile(folder / "got" / "b.txt"), "b");
    EXPECT_TRUE(fs::exists(folder / "got" / "a.txt"));
    // The first failure ends the list.
    EXPECT_EQ(world.Run("print downloadurl (list " + url("none.txt") + " \"c.txt) " + local("got")), "404\n");
    EXPECT_EQ(world.Run("print downloadurl \"|gopher://h/a| " + local("x")), "400\n");
}

TEST_F(WebPrimitives, PostsAndUploadsThroughTheServer)
{
    std::ofstream(folder / "up.txt", std::ios::binary) << "up";
    EXPECT_EQ(world.Run("print (uploadurl " + url("dir/") + " " + local("up.txt") + " " + local("answer") + ")"),
              "201\n");
    EXPECT_EQ(readFile(folder / "answer").substr(0, 16), "PUT /dir/up.txt\n");
    EXPECT_EQ(world.Run("print postrequest " + url("form") + " [a |x&y z+| b 1] " + local("answer")), "200\n");
    EXPECT_NE(readFile(folder / "answer").find("\n\na=x%26y+z+&b=1"), std::string::npos);
    EXPECT_EQ(world.Run("print postfile " + url("form") + " \"|| " + local("answer")), "0\n");
    EXPECT_EQ(world.Run("print postrequest \"|ftp://h/x| [a 1] \"||"), "400\n");
}

TEST_F(WebPrimitives, InputsAndOptionsAreChecked)
{
    struct tCase {
        std::string lines;
        const char* key;
    };
    const tCase cases[] = {
        {"print (downloadurl \"|http://h/a|)", "erNotEnoughInputs"},
        {"print (downloadurl \"|http://h/a| \"x [] 1)", "erTooManyInputs"},
        {"print downloadurl \"|| \"x", "erEmptyWord"},
        {"print downloadurl [] \"x", "erEmptyList"},
        {"print downloadurl [[a]] \"x", "erExpectWord"},
        {"print (downloadurl \"|http://h/a| \"x \"binary)", "erExpectList"},
        {"print (downloadurl \"|http://h/a| \"x [mimetype a/b])", "erBadValue"},
        {"print (downloadurl \"|http://h/a| \"x [transfertype])", "erShortList"},
        {"print (downloadurl \"|http://h/a| \"x [TransferType ascii])", "erBadValue"},
        {"print postrequest \"|http://h/a| \"x \"||", "erExpectList"},
        {"print postrequest \"|http://h/a| [f []] \"||", "erEmptyList"},
        {"print postrequest \"|http://h/a| [f [a b c]] \"||", "erBadStructure"},
        {"print postrequest \"|http://h/a| [a 1 text/xml] \"||", "erBadValue"},
        {"print uploadurl \"|gopher://h/a| \"x", "erUser"},
    };
    for (const tCase& c : cases)
        EXPECT_EQ(world.ErrorOf(c.lines), c.key) << c.lines;
}

TEST_F(WebPrimitives, TargetMessagesNameThePrimitive)
{
    struct tCase {
        const char* lines;
        const char* message;
    };
    const tCase cases[] = {
        {"print uploadurl \"|gopher://h/a| \"x", "Internet protocol different from FTP, HTTP or HTTPS in uploadurl"},
        {"print postfile \"|gopher://h/a| \"x \"||", "Internet protocol different from FTP, HTTP or HTTPS in postfile"},
        {"print postfile \"|http://| \"x \"||", "No server name given in postfile"},
    };
    for (const tCase& c : cases) {
        std::string message;
        try {
            world.Run(c.lines);
        } catch (eLogoException& error) {
            // As the report shows it, with the primitive's name in place.
            FormatMessage(error);
            message = error.message;
        }
        EXPECT_EQ(message, c.message) << c.lines;
    }
}
