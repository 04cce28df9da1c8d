#include "platform/web/webTransfers.h"

#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <netinet/in.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

constexpr const char* kVsftpd = "/usr/sbin/vsftpd";

std::string readFile(const fs::path& path)
{
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

void writeFile(const fs::path& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

// A loopback port that was free a moment ago (vsftpd binds it itself).
int freePort()
{
    int s = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    bind(s, reinterpret_cast<sockaddr*>(&address), sizeof address);
    socklen_t length = sizeof address;
    getsockname(s, reinterpret_cast<sockaddr*>(&address), &length);
    close(s);
    return ntohs(address.sin_port);
}

bool accepts(int port)
{
    int s = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(uint16_t(port));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    bool connected = connect(s, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    close(s);
    return connected;
}

// vsftpd as the launching user on a free loopback port, anonymous users reading and writing
// a fresh folder.
class FtpTransfersTest : public testing::Test {
protected:
    void SetUp() override
    {
        if (access(kVsftpd, X_OK) != 0)
            GTEST_SKIP() << "vsftpd is not installed (scripts/install-deps --with-peers installs it)";
        mFolder = fs::temp_directory_path() / ("zx-ftp-" + std::to_string(getpid()));
        fs::create_directories(mFolder / "root");
        int port = freePort();
        std::ofstream(mFolder / "vsftpd.conf")
            << "listen=YES\nlisten_address=127.0.0.1\nlisten_port=" << port
            << "\nbackground=NO\nrun_as_launching_user=YES\nanonymous_enable=YES\nanon_root=" << (mFolder / "root").string()
            << "\nwrite_enable=YES\nanon_upload_enable=YES\nanon_other_write_enable=YES\n"
               "anon_world_readable_only=NO\nlocal_enable=NO\nconnect_from_port_20=NO\nseccomp_sandbox=NO\n"
               "xferlog_enable=NO\npasv_address=127.0.0.1\n";
        mServer = fork();
        ASSERT_GE(mServer, 0);
        if (mServer == 0) {
            execl(kVsftpd, kVsftpd, (mFolder / "vsftpd.conf").c_str(), (char*)nullptr);
            _exit(127);
        }
        for (int i = 0; i < 200 && !accepts(port); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        ASSERT_TRUE(accepts(port)) << "vsftpd did not start on port " << port;
        mBase = "ftp://127.0.0.1:" + std::to_string(port) + "/";
    }

    void TearDown() override
    {
        if (mServer > 0) {
            kill(mServer, SIGTERM);
            waitpid(mServer, nullptr, 0);
        }
        if (!mFolder.empty())
            fs::remove_all(mFolder);
    }

    fs::path remote(const std::string& name) const { return mFolder / "root" / name; }
    fs::path local(const std::string& name) const { return mFolder / name; }

    fs::path mFolder;
    pid_t mServer = -1;
    std::string mBase;
};

} // namespace

TEST_F(FtpTransfersTest, DownloadsAndUploadsActiveAndPassive)
{
    std::string bytes("bin\0\r\n\xff", 7);
    writeFile(remote("a.bin"), bytes);
    writeFile(local("up.bin"), bytes);
    for (bool passive : {false, true}) {
        SCOPED_TRACE(passive);
        tTransferOptions options;
        options.passiveFtp = passive;
        tTransferResult down = downloadUrl(mBase + "a.bin", local("a.bin"), options);
        EXPECT_EQ(down.code, 200);
        EXPECT_EQ(down.contentType, "");
        EXPECT_EQ(readFile(local("a.bin")), bytes);

        fs::remove(remote("up.bin"));
        EXPECT_EQ(uploadUrl(mBase + "up.bin", local("up.bin"), "", options).code, 200);
        EXPECT_EQ(readFile(remote("up.bin")), bytes);
    }
}

TEST_F(FtpTransfersTest, MissingFilesGive404AndNoLocalFile)
{
    EXPECT_EQ(downloadUrl(mBase + "none.txt", local("none.txt"), {}).code, 404);
    EXPECT_FALSE(fs::exists(local("none.txt")));
    writeFile(local("up.txt"), "x");
    EXPECT_EQ(uploadUrl(mBase + "no/such/folder/up.txt", local("up.txt"), "", {}).code, 404);
}

TEST_F(FtpTransfersTest, ProgressReportsTheFileSize)
{
    writeFile(remote("big.bin"), std::string(100000, 'z'));
    int64_t expected = 0;
    int64_t moved = 0;
    tTransferOptions options;
    options.progress = [&](int64_t total, int64_t now) {
        expected = total;
        moved = now;
        return true;
    };
    EXPECT_EQ(downloadUrl(mBase + "big.bin", local("big.bin"), options).code, 200);
    EXPECT_EQ(expected, 100000);
    EXPECT_EQ(moved, 100000);
}
