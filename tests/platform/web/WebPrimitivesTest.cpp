#include "platform/web/startWeb.h"

#include "../../mainobj/MainObjectWorld.h"
#include "processes/tInterpreterLock.h"
#include "webTestFixtures.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <functional>
#include <sstream>
#include <thread>

namespace fs = std::filesystem;

namespace {

// The main object with the transfer primitives, and the loopback server serving two files.
class WebPrimitives : public tHttpServerTest {
protected:
    void SetUp() override
    {
        startWeb();
        tHttpServerTest::SetUp();
        if (IsSkipped())
            return;
        writeFile(served("a.txt"), "a\nb");
        writeFile(served("b.txt"), "b");
    }

    // Quoted between bars: "/" and ":" would end a plain quoted word.
    std::string url(const std::string& name) const { return "\"|" + base + name + "|"; }
    std::string logoLocal(const std::string& name) const { return "\"|" + local(name).string() + "|"; }

    // Launches the lines as the process "worker"; `watch` runs until it ends (a minute at most)
    // with the interpreter lock, which the worker has between the calls.
    void runInProcess(const std::string& lines, const std::function<void()>& watch = [] {})
    {
        world.Run("(launch [" + lines + "] \"worker)");
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
        while (world.Run("print done? \"worker") == "false\n" && std::chrono::steady_clock::now() < deadline) {
            watch();
            tInterpreterLock::Releaser letItRun;
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        ASSERT_EQ(world.Run("print done? \"worker"), "true\n");
    }

    tMainObjectWorld world;
};

} // namespace

TEST_F(WebPrimitives, DownloadsOneOrSeveralFiles)
{
    EXPECT_EQ(world.Run("print downloadurl " + url("a.txt") + " " + logoLocal("one.txt")), "200\n");
    EXPECT_EQ(readFile(local("one.txt")), "a\r\nb");
    EXPECT_EQ(world.Run("print (downloadurl " + url("a.txt") + " " + logoLocal("bin.txt") +
                        " [transfertype binary])"),
              "200\n");
    EXPECT_EQ(readFile(local("bin.txt")), "a\nb");

    // Later names of a list are relative to the first; the local name becomes a folder.
    fs::create_directories(local("got"));
    EXPECT_EQ(world.Run("print downloadurl (list " + url("a.txt") + " \"b.txt) " + logoLocal("got")), "200\n");
    EXPECT_EQ(readFile(local("got/b.txt")), "b");
    EXPECT_TRUE(fs::exists(local("got/a.txt")));
    // The first failure ends the list.
    EXPECT_EQ(world.Run("print downloadurl (list " + url("none.txt") + " \"c.txt) " + logoLocal("got")), "404\n");
    EXPECT_EQ(world.Run("print downloadurl \"|gopher://h/a| " + logoLocal("x")), "400\n");
}

TEST_F(WebPrimitives, TheLastContentTypeIsOfTheProcessAndOfTheStoredFile)
{
    // A server's "text/plain" gives way to the type the target file's extension has.
    runInProcess("make \"types list lastcontenttype downloadurl " + url("a.txt") + " " + logoLocal("page.htm") +
                 " make \"types lput lastcontenttype :types");
    EXPECT_EQ(world.Run("show :types"), "[ 200 text/html]\n");
    runInProcess("make \"types (list downloadurl " + url("a.txt") + " " + logoLocal("a.txt") + " lastcontenttype)");
    EXPECT_EQ(world.Run("show :types"), "[200 text/plain]\n");
}

TEST_F(WebPrimitives, AnotherProcessWatchesADownloadGrow)
{
    std::vector<int64_t> moved;
    runInProcess("make \"code downloadurl " + url("slow/80000") + " " + logoLocal("slow.bin"), [&] {
        std::istringstream status(world.Run("show transferstatus \"worker"));
        std::string direction;
        int64_t expected = 0;
        int64_t now = 0;
        if (status >> direction >> expected >> now && direction == "[down" && expected == 80000)
            moved.push_back(now);
    });
    EXPECT_EQ(world.Run("print :code"), "200\n");
    EXPECT_EQ(fs::file_size(local("slow.bin")), 80000u);
    EXPECT_TRUE(std::is_sorted(moved.begin(), moved.end()));
    EXPECT_TRUE(std::any_of(moved.begin(), moved.end(), [](int64_t now) { return now > 0 && now < 80000; }));
    // A name no process has.
    EXPECT_EQ(world.Run("show transferstatus \"worker"), "[ 0 0]\n");
}

TEST_F(WebPrimitives, AStopEndsTheDownloadingProcessAtTheNextBlock)
{
    bool cancelled = false;
    runInProcess("make \"code downloadurl " + url("slow/8000000") + " " + logoLocal("slow.bin"), [&] {
        if (!cancelled && world.Run("show transferstatus \"worker").starts_with("[down 8000000 ")) {
            world.Run("cancel \"worker");
            cancelled = true;
        }
    });
    EXPECT_TRUE(cancelled);
    // The process ended inside the transfer, with what had come so far in a closed file.
    EXPECT_EQ(world.ErrorOf("print :code"), "erNoVal");
    EXPECT_LT(fs::file_size(local("slow.bin")), 8000000u);
}

TEST_F(WebPrimitives, PostsAndUploadsThroughTheServer)
{
    writeFile(local("up.txt"), "up");
    EXPECT_EQ(world.Run("print (uploadurl " + url("dir/") + " " + logoLocal("up.txt") + " " + logoLocal("answer") + ")"),
              "201\n");
    EXPECT_EQ(readFile(local("answer")).substr(0, 16), "PUT /dir/up.txt\n");
    EXPECT_EQ(world.Run("print postrequest " + url("form") + " [a |x&y z+| b 1] " + logoLocal("answer")), "200\n");
    EXPECT_NE(readFile(local("answer")).find("\n\na=x%26y+z+&b=1"), std::string::npos);
    EXPECT_EQ(world.Run("print postfile " + url("form") + " \"|| " + logoLocal("answer")), "0\n");
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
    for (const tCase& c : cases)
        EXPECT_EQ(errorMessageOf(world, c.lines), c.message) << c.lines;
}
