#include "platform/web/ftpConnections.h"
#include "platform/web/startWeb.h"

#include "../../mainobj/MainObjectWorld.h"
#include "LoopbackFtpServer.h"
#include "interpreter/ErrorMessages.h"
#include "platform/web/curlLibrary.h"
#include "values/eLogoException.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>

namespace fs = std::filesystem;

namespace {

std::string readFile(const fs::path& path)
{
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

void writeFile(const fs::path& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

// The main object with the transfer primitives and the file primitives' FTP side, and vsftpd
// serving a folder with two text files, a log and a sub-folder.
class FtpFiles : public testing::Test {
protected:
    void SetUp() override
    {
        if (!tLoopbackFtpServer::available())
            GTEST_SKIP() << "vsftpd is not installed (scripts/install-deps --with-peers installs it)";
        startWeb();
        server = std::make_unique<tLoopbackFtpServer>();
        ASSERT_FALSE(server->base().empty()) << "vsftpd did not start";
        writeFile(server->remote("a.txt"), "one\r\ntwo\r\n");
        writeFile(server->remote("b.TXT"), "b");
        writeFile(server->remote("c.log"), "c");
        fs::create_directories(server->remote("sub"));
        writeFile(server->remote("sub/inner.txt"), "inner");
    }

    void TearDown() override
    {
        closeFtpConnectionsOf(ftpConnectionOwner());
        server.reset();
    }

    // Quoted between bars: "/" and ":" would end a plain quoted word.
    std::string url(const std::string& name) const { return "\"|" + server->base() + name + "|"; }
    std::string local(const std::string& name) const { return "\"|" + server->local(name).string() + "|"; }
    tRemoteAddress address(const std::string& name = "") const { return *parseRemoteAddress(server->base() + name); }

    tMainObjectWorld world;
    std::unique_ptr<tLoopbackFtpServer> server;
};

} // namespace

TEST_F(FtpFiles, QuestionsAndListings)
{
    struct tCase {
        std::string lines;
        const char* printed;
    };
    const tCase cases[] = {
        {"print file? " + url("a.txt"), "true\n"},
        {"print file? " + url("none.txt"), "false\n"},
        {"print file? " + url("sub"), "false\n"},
        {"print file? " + url("sub/inner.txt"), "true\n"},
        {"print folder? " + url("sub"), "true\n"},
        {"print folder? " + url("sub/"), "true\n"},
        {"print folder? " + url("a.txt"), "false\n"},
        {"print folder? " + url(""), "true\n"},
        {"print folder? " + url("none"), "false\n"},
        // A folder lists its files; wild cards match without regard to letter case.
        {"show filelist " + url(""), "[a.txt b.TXT c.log]\n"},
        {"show filelist " + url("sub"), "[inner.txt]\n"},
        {"show filelist " + url("*.txt"), "[a.txt b.TXT]\n"},
        {"show filelist " + url("?.log"), "[c.log]\n"},
        {"show filelist " + url("*.none"), "[]\n"},
        {"show folderlist " + url(""), "[sub]\n"},
        {"show loadtext " + url("a.txt"), "[one two]\n"},
    };
    for (const tCase& c : cases)
        EXPECT_EQ(world.Run(c.lines), c.printed) << c.lines;
}

TEST_F(FtpFiles, ChangesOnTheServer)
{
    world.Run("savetext " + url("sub/new.txt") + " [first second]");
    world.Run("appendtext " + url("sub/new.txt") + " \"third");
    EXPECT_EQ(readFile(server->remote("sub/new.txt")), "first\r\nsecond\r\nthird");

    // The new name is a path on the server from the folder the login starts in.
    world.Run("renamefile " + url("sub/new.txt") + " \"|sub/renamed.txt|");
    EXPECT_TRUE(fs::exists(server->remote("sub/renamed.txt")));
    EXPECT_FALSE(fs::exists(server->remote("sub/new.txt")));
    world.Run("renamefile " + url("sub/renamed.txt") + " \"top.txt");
    EXPECT_TRUE(fs::exists(server->remote("top.txt")));

    world.Run("createfolder " + url("made"));
    EXPECT_TRUE(fs::is_directory(server->remote("made")));
    world.Run("erasefolder " + url("made"));
    EXPECT_FALSE(fs::exists(server->remote("made")));

    // Wild cards erase every file they match, and no folder.
    world.Run("erasefile " + url("*.TXT"));
    EXPECT_FALSE(fs::exists(server->remote("a.txt")));
    EXPECT_FALSE(fs::exists(server->remote("top.txt")));
    EXPECT_TRUE(fs::exists(server->remote("c.log")));
    EXPECT_TRUE(fs::exists(server->remote("sub/inner.txt")));
    world.Run("erasefile (list " + url("c.log") + ")");
    EXPECT_FALSE(fs::exists(server->remote("c.log")));
}

TEST_F(FtpFiles, FailuresGiveTheFileErrors)
{
    struct tCase {
        std::string lines;
        const char* key;
    };
    const tCase cases[] = {
        {"erasefile " + url("none.txt"), "erFileErase"},
        {"renamefile " + url("none.txt") + " \"x.txt", "erFileRename"},
        {"erasefolder " + url("none"), "erFolderErase"},
        {"erasefolder " + url("sub"), "erFolderErase"},  // not empty
        {"createfolder " + url("sub"), "erFolderCreate"},
        {"show loadtext " + url("none.txt"), "erFileProblem"},
        {"savetext " + url("no/such/folder.txt") + " \"x", "erFileCreate"},
        {"savetext " + url("story.zxp") + " \"x", "erFileCreate"},
    };
    for (const tCase& c : cases)
        EXPECT_EQ(world.ErrorOf(c.lines), c.key) << c.lines;
    EXPECT_EQ(world.Run("print (list erasefile? " + url("none.txt") + " renamefile? " + url("none.txt") +
                        " \"x.txt createfolder? " + url("sub") + ")"),
              "false false false\n");
}

TEST_F(FtpFiles, DownloadsWhatAPatternMatches)
{
    fs::create_directories(server->local("got"));
    writeFile(server->remote("with blank.txt"), "w");
    EXPECT_EQ(world.Run("print (downloadurl " + url("*.txt") + " " + local("got") + " [transfertype binary])"), "200\n");
    EXPECT_EQ(readFile(server->local("got/a.txt")), "one\r\ntwo\r\n");
    EXPECT_EQ(readFile(server->local("got/with blank.txt")), "w");
    EXPECT_TRUE(fs::exists(server->local("got/b.TXT")));
    EXPECT_FALSE(fs::exists(server->local("got/c.log")));
    EXPECT_FALSE(fs::exists(server->local("got/sub")));
    EXPECT_EQ(world.Run("print downloadurl " + url("*.none") + " " + local("got")), "404\n");

    std::string message;
    try {
        world.Run("print downloadurl \"|ftp://127.0.0.1:1/*.txt| " + local("got"));
    } catch (eLogoException& error) {
        FormatMessage(error);
        message = error.message;
    }
    EXPECT_EQ(message, "Cannot establish connection to 127.0.0.1 to evaluate a wildcard expression");
}

TEST_F(FtpFiles, FtpOpenHoldsAConnectionThatOperationsBorrow)
{
    EXPECT_EQ(world.Run("print ftpopen " + url("")), "true\n");
    EXPECT_EQ(ftpConnectionUses(address(), false), 1);
    // The connection is found from any address on the same server with the same login.
    EXPECT_EQ(world.Run("print ftpopen " + url("sub/x")), "true\n");
    EXPECT_EQ(ftpConnectionUses(address(), false), 2);

    tConnectRec* connection = borrowFtpConnection(address(), false);
    ASSERT_NE(connection, nullptr);
    EXPECT_EQ(connection->uses, 3);
    returnFtpConnection(connection);
    // An operation runs on the open connection: it makes no new one.
    EXPECT_EQ(world.Run("print file? " + url("a.txt")), "true\n");
    EXPECT_EQ(world.Run("print downloadurl " + url("a.txt") + " " + local("a.txt")), "200\n");
    long connects = -1;
    curlLibrary()->easyGetinfo(connection->handle, CURLINFO_NUM_CONNECTS, &connects);
    EXPECT_EQ(connects, 0);
    EXPECT_EQ(ftpConnectionUses(address(), false), 2);

    world.Run("ftpclose " + url(""));
    EXPECT_EQ(ftpConnectionUses(address(), false), 1);
    world.Run("ftpclose " + url(""));
    EXPECT_EQ(ftpConnectionUses(address(), false), 0);
    world.Run("ftpclose " + url(""));  // nothing left to close
    EXPECT_EQ(ftpConnectionUses(address(), false), 0);
}

TEST_F(FtpFiles, ThePassiveFlagIsPartOfAConnectionsIdentity)
{
    EXPECT_EQ(world.Run("print (ftpopen " + url("") + " [passiveftp true])"), "true\n");
    EXPECT_EQ(ftpConnectionUses(address(), true), 1);
    EXPECT_EQ(ftpConnectionUses(address(), false), 0);
    world.Run("ftpclose " + url(""));
    EXPECT_EQ(ftpConnectionUses(address(), true), 1);
    world.Run("(ftpclose " + url("") + " [passiveftp true])");
    EXPECT_EQ(ftpConnectionUses(address(), true), 0);

    // A user named in the address makes another connection than the anonymous login.
    EXPECT_EQ(world.Run("print ftpopen " + url("")), "true\n");
    tRemoteAddress named = address();
    named.user = "anonymous";
    EXPECT_EQ(ftpConnectionUses(named, false), 0);
    closeFtpConnectionsOf(ftpConnectionOwner());
    EXPECT_EQ(ftpConnectionUses(address(), false), 0);
}

TEST_F(FtpFiles, FtpOpenAnswersFalseWithoutAServer)
{
    struct tCase {
        std::string lines;
        const char* printed;
    };
    const tCase cases[] = {
        {"print ftpopen \"|ftp://127.0.0.1:1/|", "false\n"},
        {"print ftpopen \"|http://127.0.0.1/|", "false\n"},
        {"print ftpopen \"nothing", "false\n"},
        {"print file? \"|ftp://127.0.0.1:1/a.txt|", "false\n"},
        {"show filelist \"|ftp://127.0.0.1:1/|", "[]\n"},
    };
    for (const tCase& c : cases)
        EXPECT_EQ(world.Run(c.lines), c.printed) << c.lines;
}
