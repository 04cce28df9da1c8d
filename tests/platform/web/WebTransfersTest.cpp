#include "platform/web/webTransfers.h"

#include "webTestFixtures.h"

#include <gtest/gtest.h>

#include <curl/curl.h>

#include <algorithm>
#include <filesystem>
#include <vector>

namespace fs = std::filesystem;

using WebTransfersTest = tHttpServerTest;

namespace {

tTransferOptions withMode(tTransferMode mode)
{
    tTransferOptions options;
    options.mode = mode;
    return options;
}

} // namespace

TEST(WebResultCodeTest, LibraryOutcomesMapToResultCodes)
{
    struct tCase {
        int curlCode;
        long status;
        bool http;
        int result;
    };
    const tCase cases[] = {
        {CURLE_OK, 0, false, 200},
        {CURLE_OK, 404, true, 404},
        {CURLE_OK, 201, true, 201},
        {CURLE_OK, 0, true, 300},
        {CURLE_UNSUPPORTED_PROTOCOL, 0, false, 400},
        {CURLE_URL_MALFORMAT, 0, true, 400},
        {CURLE_REMOTE_FILE_NOT_FOUND, 0, false, 404},
        {CURLE_FTP_COULDNT_RETR_FILE, 0, false, 404},
        {CURLE_UPLOAD_FAILED, 0, false, 404},
        {CURLE_UPLOAD_FAILED, 0, true, 300},
        {CURLE_COULDNT_CONNECT, 0, true, 1001},
        {CURLE_COULDNT_RESOLVE_HOST, 0, false, 1001},
        {CURLE_LOGIN_DENIED, 0, false, 1001},
        {CURLE_WRITE_ERROR, 0, true, 1002},
        {CURLE_PARTIAL_FILE, 0, false, 1002},
        {CURLE_ABORTED_BY_CALLBACK, 0, true, 1002},
    };
    for (const tCase& c : cases) {
        SCOPED_TRACE(c.curlCode);
        EXPECT_EQ(resultCodeOf(c.curlCode, c.status, c.http), c.result);
    }
}

TEST_F(WebTransfersTest, TextModeStoresCrLfAndBinaryModeTheBytes)
{
    writeFile(served("lines.txt"), "one\ntwo\r\nthree\r");
    struct tCase {
        tTransferMode mode;
        const char* stored;
    };
    const tCase cases[] = {
        {tTransferMode::Default, "one\r\ntwo\r\nthree\r\n"},  // the server says text/plain
        {tTransferMode::Text, "one\r\ntwo\r\nthree\r\n"},
        {tTransferMode::Binary, "one\ntwo\r\nthree\r"},
    };
    for (const tCase& c : cases) {
        tTransferResult result = downloadUrl(base + "lines.txt", local("got.txt"), withMode(c.mode));
        EXPECT_EQ(result.code, 200);
        EXPECT_EQ(result.contentType, "text/plain");
        EXPECT_EQ(readFile(local("got.txt")), c.stored);
    }
}

TEST_F(WebTransfersTest, PlainTextAnswerTakesTheTargetFilesType)
{
    writeFile(served("page.txt"), "<p>\n");
    tTransferResult result = downloadUrl(base + "page.txt", local("page.htm"), {});
    EXPECT_EQ(result.code, 200);
    EXPECT_EQ(result.contentType, "text/html");
    EXPECT_EQ(readFile(local("page.htm")), "<p>\r\n");

    result = downloadUrl(base + "page.txt", local("page.unknown"), {});
    EXPECT_EQ(result.contentType, "application/octet-stream");
    EXPECT_EQ(readFile(local("page.unknown")), "<p>\n");
}

TEST_F(WebTransfersTest, FailuresGiveResultCodesAndLeaveNoFile)
{
    EXPECT_EQ(downloadUrl(base + "missing.txt", local("a"), {}).code, 404);
    EXPECT_EQ(downloadUrl("gopher://127.0.0.1/x", local("b"), {}).code, 400);
    EXPECT_EQ(downloadUrl("no address", local("b"), {}).code, 400);
    // A port nobody listens on: the server's own port once it has gone.
    std::string closed = base;
    server->stop();
    EXPECT_EQ(downloadUrl(closed + "x.txt", local("c"), {}).code, 1001);
    EXPECT_FALSE(fs::exists(local("b")));
    EXPECT_FALSE(fs::exists(local("c")));
    EXPECT_EQ(uploadUrl(closed + "x", local("none"), "", {}).code, 404);  // no local file
    writeFile(local("up.bin"), "up");
    EXPECT_EQ(uploadUrl(closed + "x", local("up.bin"), "", {}).code, 300);  // the PUT cannot be sent
}

TEST_F(WebTransfersTest, ProgressSeesTheSizeGrowAndCanStop)
{
    std::string bytes(300000, 'x');
    writeFile(served("big.bin"), bytes);
    std::vector<int64_t> moved;
    int64_t expected = 0;
    tTransferOptions options;
    options.progress = [&](int64_t total, int64_t now) {
        expected = total;
        moved.push_back(now);
        return true;
    };
    EXPECT_EQ(downloadUrl(base + "big.bin", local("big.bin"), options).code, 200);
    EXPECT_EQ(expected, 300000);
    ASSERT_FALSE(moved.empty());
    EXPECT_EQ(moved.back(), 300000);
    EXPECT_TRUE(std::is_sorted(moved.begin(), moved.end()));
    EXPECT_EQ(readFile(local("big.bin")), bytes);

    options.progress = [](int64_t, int64_t now) { return now == 0; };
    tTransferResult stopped = downloadUrl(base + "big.bin", local("stopped.bin"), options);
    EXPECT_TRUE(stopped.stopped);
    EXPECT_EQ(stopped.code, 1002);
}

TEST_F(WebTransfersTest, PutSendsTheFileAndStoresTheAnswer)
{
    writeFile(local("up.bin"), std::string("a\0b\n", 4));
    tTransferResult result = uploadUrl(base + "dir/up.bin", local("up.bin"), local("answer"), {});
    EXPECT_EQ(result.code, 201);
    EXPECT_EQ(readFile(local("answer")),
              "PUT /dir/up.bin\nContent-Type: None\nContent-Length: 4\nExpect: None\nHTTP-Accept: None\n"
              "User-Agent: platform_web_tests\n\n" +
                  std::string("a\0b\n", 4));
    // Without a response file the answer is not kept.
    EXPECT_EQ(uploadUrl(base + "x", local("up.bin"), "", {}).code, 201);
}

TEST_F(WebTransfersTest, PostsFormsUrlEncodedOrMultipart)
{
    tTransferResult result =
        postForm(base + "form", {textField("a", "x&y z+"), textField("b", "1")}, false, local("answer"), {});
    EXPECT_EQ(result.code, 200);
    EXPECT_EQ(readFile(local("answer")),
              "POST /form\nContent-Type: application/x-www-form-urlencoded\nContent-Length: 14\nExpect: None\n"
              "HTTP-Accept: text/html,text/*,image/png,image/jpeg,image/gif,*/*\nUser-Agent: platform_web_tests\n\n"
              "a=x%26y+z+&b=1");

    writeFile(local("f.txt"), "hi");
    result = postForm(base + "form", {textField("action", "Upload"), fileField("file", local("f.txt").string())},
                      false, local("answer"), {});
    EXPECT_EQ(result.code, 200);
    std::string answer = readFile(local("answer"));
    EXPECT_NE(answer.find("Content-Type: multipart/form-data; boundary=-=_magic_=\n"), std::string::npos) << answer;
    EXPECT_NE(answer.find("filename=\"f.txt\"\r\nContent-Type: text/plain\r\n\r\nhi\r\n---=_magic_=--\r\n"),
              std::string::npos)
        << answer;

    EXPECT_EQ(postForm("ftp://127.0.0.1/x", {textField("a", "1")}, false, "", {}).code, 400);
}
