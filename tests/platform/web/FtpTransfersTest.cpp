#include "platform/web/webTransfers.h"

#include "webTestFixtures.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace fs = std::filesystem;

using FtpTransfersTest = tFtpServerTest;

TEST_F(FtpTransfersTest, DownloadsAndUploadsActiveAndPassive)
{
    std::string bytes("bin\0\r\n\xff", 7);
    writeFile(remote("a.bin"), bytes);
    writeFile(local("up.bin"), bytes);
    for (bool passive : {false, true}) {
        SCOPED_TRACE(passive);
        tTransferOptions options;
        options.passiveFtp = passive;
        tTransferResult down = downloadUrl(base + "a.bin", local("a.bin"), options);
        EXPECT_EQ(down.code, 200);
        EXPECT_EQ(down.contentType, "");
        EXPECT_EQ(readFile(local("a.bin")), bytes);

        fs::remove(remote("up.bin"));
        EXPECT_EQ(uploadUrl(base + "up.bin", local("up.bin"), "", options).code, 200);
        EXPECT_EQ(readFile(remote("up.bin")), bytes);
    }
}

TEST_F(FtpTransfersTest, MissingFilesGive404AndNoLocalFile)
{
    EXPECT_EQ(downloadUrl(base + "none.txt", local("none.txt"), {}).code, 404);
    EXPECT_FALSE(fs::exists(local("none.txt")));
    writeFile(local("up.txt"), "x");
    EXPECT_EQ(uploadUrl(base + "no/such/folder/up.txt", local("up.txt"), "", {}).code, 404);
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
    EXPECT_EQ(downloadUrl(base + "big.bin", local("big.bin"), options).code, 200);
    EXPECT_EQ(expected, 100000);
    EXPECT_EQ(moved, 100000);

    // An upload expects the local file's size, also as text, whose line ends grow on the way.
    std::string lines;
    for (int i = 0; i < 10000; ++i)
        lines += "line\r\n";
    writeFile(local("lines.txt"), lines);
    options.mode = tTransferMode::Text;
    EXPECT_EQ(uploadUrl(base + "lines.txt", local("lines.txt"), "", options).code, 200);
    EXPECT_EQ(expected, 60000);
    EXPECT_GE(moved, 50000);
    EXPECT_EQ(readFile(remote("lines.txt")), lines);
}

TEST_F(FtpTransfersTest, TextModeKeepsEveryLineEndAsCrLf)
{
    // Bare CR, bare LF and CR LF lines, ending in a CR; the server stores what arrives.
    const std::string mixed = "a\r\nb\nc\rd\r";
    writeFile(remote("down.txt"), mixed);
    writeFile(local("up.txt"), mixed);
    struct tCase {
        tTransferMode mode;
        const char* name;  // its extension decides the default mode
        const char* stored;
    };
    const tCase cases[] = {
        {tTransferMode::Text, "x.bin", "a\r\nb\r\nc\r\nd\r\n"},
        {tTransferMode::Default, "x.txt", "a\r\nb\r\nc\r\nd\r\n"},
        {tTransferMode::Binary, "x.txt", "a\r\nb\nc\rd\r"},
        {tTransferMode::Default, "x.bin", "a\r\nb\nc\rd\r"},
    };
    for (const tCase& c : cases) {
        SCOPED_TRACE(c.name + std::string(c.mode == tTransferMode::Text ? " text" : " other"));
        tTransferOptions options;
        options.mode = c.mode;
        fs::copy_file(remote("down.txt"), remote(c.name), fs::copy_options::overwrite_existing);
        EXPECT_EQ(downloadUrl(base + c.name, local(c.name), options).code, 200);
        EXPECT_EQ(readFile(local(c.name)), c.stored);
        fs::remove(remote(c.name));
        EXPECT_EQ(uploadUrl(base + c.name, local("up.txt"), "", options).code, 200);
        EXPECT_EQ(readFile(remote(c.name)), c.stored);
    }
}
