#include "platform/web/remoteAddress.h"

#include <gtest/gtest.h>

TEST(RemoteAddressTest, SplitsEveryPart)
{
    struct tCase {
        const char* text;
        const char* scheme;
        const char* user;
        const char* password;
        const char* host;
        uint16_t port;
        const char* path;
        const char* query;
    };
    const tCase cases[] = {
        {"ftp://host/dir/file.txt", "ftp", "", "", "host", 0, "/dir/file.txt", ""},
        {"FTP://ann:se@cret@Host.example:2121/a", "ftp", "ann", "se@cret", "Host.example", 2121, "/a", ""},
        {"ftp://bob@host", "ftp", "bob", "", "host", 0, "/", ""},
        {"http://127.0.0.1:8080/cgi?a=1&b=2", "http", "", "", "127.0.0.1", 8080, "/cgi", "a=1&b=2"},
        {"https://site?q", "https", "", "", "site", 0, "/", "q"},
    };
    for (const tCase& c : cases) {
        SCOPED_TRACE(c.text);
        auto address = parseRemoteAddress(c.text);
        ASSERT_TRUE(address);
        EXPECT_EQ(address->scheme, c.scheme);
        EXPECT_EQ(address->user, c.user);
        EXPECT_EQ(address->password, c.password);
        EXPECT_EQ(address->host, c.host);
        EXPECT_EQ(address->port, c.port);
        EXPECT_EQ(address->path, c.path);
        EXPECT_EQ(address->query, c.query);
    }
}

TEST(RemoteAddressTest, RefusesWhatIsNoAddress)
{
    for (const char* text : {"", "file.txt", "/home/ann/a.lgo", "c:\\logo\\a.lgo", "ftp:/host/a", "://host/a",
                             "ftp:///a", "ftp://user@/a", "ftp://host:/a", "ftp://host:0/a", "ftp://host:65536/a",
                             "ftp://host:21x/a", "f t p://host/a"}) {
        SCOPED_TRACE(text);
        EXPECT_FALSE(parseRemoteAddress(text));
    }
}

TEST(RemoteAddressTest, OnlyFtpAddressesAreRemoteFileNames)
{
    EXPECT_TRUE(isFtpAddress("ftp://host/a.txt"));
    EXPECT_TRUE(isFtpAddress("Ftp://host:21/"));
    EXPECT_FALSE(isFtpAddress("http://host/a.txt"));
    EXPECT_FALSE(isFtpAddress("ftp.txt"));
}

TEST(RemoteAddressTest, DefaultPortsAndLastSegment)
{
    EXPECT_EQ(portOf(*parseRemoteAddress("ftp://h/")), 21);
    EXPECT_EQ(portOf(*parseRemoteAddress("http://h/")), 80);
    EXPECT_EQ(portOf(*parseRemoteAddress("https://h/")), 443);
    EXPECT_EQ(portOf(*parseRemoteAddress("http://h:81/")), 81);
    EXPECT_EQ(lastPathSegment("ftp://h/dir/b.txt"), "b.txt");
    EXPECT_EQ(lastPathSegment("ftp://h/dir/"), "");
}
