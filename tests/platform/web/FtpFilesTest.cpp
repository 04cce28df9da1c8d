#include "platform/web/ftpConnections.h"
#include "platform/web/startWeb.h"

#include "../../mainobj/MainObjectWorld.h"
#include "platform/web/curlLibrary.h"
#include "webTestFixtures.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace fs = std::filesystem;

namespace {

// The main object with the transfer primitives and the file primitives' FTP side, and vsftpd
// serving a folder with two text files, a log and a sub-folder.
class FtpFiles : public tFtpServerTest {
protected:
    void SetUp() override
    {
        startWeb();
        tFtpServerTest::SetUp();
        if (IsSkipped() || HasFatalFailure())
            return;
        writeFile(remote("a.txt"), "one\r\ntwo\r\n");
        writeFile(remote("b.TXT"), "b");
        writeFile(remote("c.log"), "c");
        fs::create_directories(remote("sub"));
        writeFile(remote("sub/inner.txt"), "inner");
    }

    void TearDown() override
    {
        closeFtpConnectionsOf(ftpConnectionOwner());
        tFtpServerTest::TearDown();
    }

    // Quoted between bars: "/" and ":" would end a plain quoted word.
    std::string url(const std::string& name) const { return "\"|" + base + name + "|"; }
    std::string logoLocal(const std::string& name) const { return "\"|" + local(name).string() + "|"; }
    tRemoteAddress address(const std::string& name = "") const { return *parseRemoteAddress(base + name); }

    tMainObjectWorld world;
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
    EXPECT_EQ(readFile(remote("sub/new.txt")), "first\r\nsecond\r\nthird");

    // The new name is a path on the server from the folder the login starts in.
    world.Run("renamefile " + url("sub/new.txt") + " \"|sub/renamed.txt|");
    EXPECT_TRUE(fs::exists(remote("sub/renamed.txt")));
    EXPECT_FALSE(fs::exists(remote("sub/new.txt")));
    world.Run("renamefile " + url("sub/renamed.txt") + " \"top.txt");
    EXPECT_TRUE(fs::exists(remote("top.txt")));

    world.Run("createfolder " + url("made"));
    EXPECT_TRUE(fs::is_directory(remote("made")));
    world.Run("erasefolder " + url("made"));
    EXPECT_FALSE(fs::exists(remote("made")));

    // Wild cards erase every file they match, and no folder.
    world.Run("erasefile " + url("*.TXT"));
    EXPECT_FALSE(fs::exists(remote("a.txt")));
    EXPECT_FALSE(fs::exists(remote("top.txt")));
    EXPECT_TRUE(fs::exists(remote("c.log")));
    EXPECT_TRUE(fs::exists(remote("sub/inner.txt")));
    world.Run("erasefile (list " + url("c.log") + ")");
    EXPECT_FALSE(fs::exists(remote("c.log")));
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
    fs::create_directories(local("got"));
    writeFile(remote("with blank.txt"), "w");
    EXPECT_EQ(world.Run("print (downloadurl " + url("*.txt") + " " + logoLocal("got") + " [transfertype binary])"), "200\n");
    EXPECT_EQ(readFile(local("got/a.txt")), "one\r\ntwo\r\n");
    EXPECT_EQ(readFile(local("got/with blank.txt")), "w");
    EXPECT_TRUE(fs::exists(local("got/b.TXT")));
    EXPECT_FALSE(fs::exists(local("got/c.log")));
    EXPECT_FALSE(fs::exists(local("got/sub")));
    EXPECT_EQ(world.Run("print downloadurl " + url("*.none") + " " + logoLocal("got")), "404\n");

    EXPECT_EQ(errorMessageOf(world, "print downloadurl \"|ftp://127.0.0.1:1/*.txt| " + logoLocal("got")),
              "Cannot establish connection to 127.0.0.1 to evaluate a wildcard expression");
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
    EXPECT_EQ(world.Run("print downloadurl " + url("a.txt") + " " + logoLocal("a.txt")), "200\n");
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

TEST_F(FtpFiles, UploadsWhatAPatternOrAListNamesOverOneConnection)
{
    fs::create_directories(local("mine/sub.txt"));
    for (const char* name : {"a.txt", "B.TXT", "with blank.txt", "c.log"})
        writeFile(local("mine") / name, name);
    fs::create_directories(remote("up"));
    size_t logins = server->logins().size();
    // The address becomes a folder; folders and files the pattern does not match stay behind.
    EXPECT_EQ(world.Run("print uploadurl " + url("up") + " " + logoLocal("mine/*.txt")), "200\n");
    EXPECT_EQ(readFile(remote("up/a.txt")), "a.txt");
    EXPECT_EQ(readFile(remote("up/B.TXT")), "B.TXT");
    EXPECT_EQ(readFile(remote("up/with blank.txt")), "with blank.txt");
    EXPECT_FALSE(fs::exists(remote("up/c.log")));
    EXPECT_FALSE(fs::exists(remote("up/sub.txt")));
    EXPECT_EQ(server->logins().size(), logins + 1);

    // Later names are in the first one's folder; every file is tried and the last one answers.
    fs::create_directories(remote("list"));
    EXPECT_EQ(world.Run("print uploadurl " + url("list") + " (list " + logoLocal("mine/a.txt") + " \"c.log)"), "200\n");
    EXPECT_EQ(readFile(remote("list/c.log")), "c.log");
    EXPECT_EQ(world.Run("print uploadurl " + url("list/") + " (list " + logoLocal("mine/none.txt") + " \"a.txt)"),
              "200\n");
    EXPECT_EQ(world.Run("print uploadurl " + url("list/") + " (list " + logoLocal("mine/a.txt") + " \"none.txt)"),
              "404\n");
    EXPECT_EQ(server->logins().size(), logins + 4);

    // A connection "FTPOpen" holds serves the uploads too.
    EXPECT_EQ(world.Run("print ftpopen " + url("")), "true\n");
    EXPECT_EQ(world.Run("print uploadurl " + url("up/one.txt") + " " + logoLocal("mine/a.txt")), "200\n");
    EXPECT_EQ(world.Run("print uploadurl " + url("up") + " " + logoLocal("mine/?.log")), "200\n");
    EXPECT_EQ(readFile(remote("up/one.txt")), "a.txt");
    EXPECT_TRUE(fs::exists(remote("up/c.log")));
    EXPECT_EQ(server->logins().size(), logins + 5);

    // Anonymous logins give a number below 100000 as their password.
    for (const std::string& password : server->logins()) {
        ASSERT_TRUE(!password.empty() && password.size() <= 5) << password;
        EXPECT_EQ(password.find_first_not_of("0123456789"), std::string::npos) << password;
    }

    EXPECT_EQ(world.Run("print uploadurl " + url("up") + " " + logoLocal("mine/*.none")), "404\n");
    EXPECT_EQ(world.Run("print uploadurl \"|ftp://127.0.0.1:1/x.txt| " + logoLocal("mine/a.txt")), "1001\n");
}
