#include "platform/web/webTransfers.h"

#include <gtest/gtest.h>

#include "LoopbackFtpServer.h"

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

class FtpTransfersTest : public testing::Test {
protected:
    void SetUp() override
    {
        if (!tLoopbackFtpServer::available())
            GTEST_SKIP() << "vsftpd is not installed (scripts/install-deps --with-peers installs it)";
        mServer = std::make_unique<tLoopbackFtpServer>();
        ASSERT_FALSE(mServer->base().empty()) << "vsftpd did not start";
        mBase = mServer->base();
    }

    fs::path remote(const std::string& name) const { return mServer->remote(name); }
    fs::path local(const std::string& name) const { return mServer->local(name); }

    std::unique_ptr<tLoopbackFtpServer> mServer;
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
