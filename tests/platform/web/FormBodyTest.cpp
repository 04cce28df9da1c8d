#include "platform/web/formBody.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <unistd.h>

namespace {

std::string temporaryFile(const std::string& name, const std::string& bytes)
{
    std::string path = testing::TempDir() + "/" + std::to_string(getpid()) + "-" + name;
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
}

size_t first(size_t) { return 0; }

// The length a post announces, computed from the parts alone (before any file is sent).
size_t announcedLength(const tRequestArray& fields, const std::vector<std::string>& contents,
                       const std::string& boundary, const std::vector<std::string>& types)
{
    size_t length = boundary.size() + 8;
    for (size_t i = 0; i < fields.size(); ++i) {
        const tRequestField& f = fields[i];
        if (!f.isFile) {
            length += f.name.size() + boundary.size() + contents[i].size() + 49;
        } else {
            std::string fileName = f.value.substr(f.value.find_last_of('/') + 1);
            length += boundary.size() + f.name.size() + fileName.size() + types[i].size() + contents[i].size() + 78;
        }
    }
    return length;
}

} // namespace

TEST(FormBodyTest, UrlEncodingKeepsOnlyWhatAFormCarries)
{
    struct tCase {
        tRequestArray fields;
        const char* body;
    };
    const tCase cases[] = {
        {{textField("name", "Ann Lee")}, "name=Ann+Lee"},
        {{textField("a", "x&y=z"), textField("b", "1+1%")}, "a=x%26y%3Dz&b=1+1%25"},
        {{textField("q", "\"#$'(~")}, "q=\"#$'(~"},
        {{textField("ctl", "\t\r\n\x7f\xc3\xa9")}, "ctl=%09%0D%0A%7F%C3%A9"},
        {{textField("empty", ""), textField("", "v")}, "empty=&=v"},
        {{}, ""},
    };
    for (const tCase& c : cases)
        EXPECT_EQ(urlEncodedBody(c.fields), c.body);
}

TEST(FormBodyTest, MultipartBodyHasItsFieldsAndAnnouncedLength)
{
    std::string path = temporaryFile("pic.png", std::string("\x89PNG\r\n\0x", 8));
    tRequestArray fields = {textField("action", "Upload"), fileField("file", path), fileField("raw", path, "a/b")};
    auto contents = fieldContents(fields);
    ASSERT_TRUE(contents);
    auto boundary = chooseBoundary(*contents, first);
    ASSERT_TRUE(boundary);
    EXPECT_EQ(*boundary, "-=_magic_=");

    std::string body = multipartBody(fields, *contents, *boundary);
    std::string png(std::string("\x89PNG\r\n\0x", 8));
    std::string name = path.substr(path.find_last_of('/') + 1);
    EXPECT_EQ(body, "\r\n---=_magic_=\r\nContent-Disposition: form-data; name=\"action\"\r\n\r\nUpload"
                    "\r\n---=_magic_=\r\nContent-Disposition: form-data; name=\"file\"; filename=\"" + name +
                        "\"\r\nContent-Type: image/png\r\n\r\n" + png +
                        "\r\n---=_magic_=\r\nContent-Disposition: form-data; name=\"raw\"; filename=\"" + name +
                        "\"\r\nContent-Type: a/b\r\n\r\n" + png + "\r\n---=_magic_=--\r\n");
    EXPECT_EQ(body.size(), announcedLength(fields, *contents, *boundary, {"", "image/png", "a/b"}));
    std::remove(path.c_str());
}

TEST(FormBodyTest, BoundaryGrowsUntilNoContentHoldsIt)
{
    // The first pick would be "b", but "b" follows the occurrence, so "d" is taken; then the
    // second content holds the grown boundary followed by "e", and "b" is free again.
    std::vector<std::string> contents = {"x-=_magic_=by", "-=_magic_=de", "plain"};
    auto boundary = chooseBoundary(contents, first);
    ASSERT_TRUE(boundary);
    EXPECT_EQ(*boundary, "-=_magic_=db");
    for (const std::string& content : contents)
        EXPECT_EQ(content.find(*boundary), std::string::npos);
}

TEST(FormBodyTest, BoundaryStopsAtSixtyNineCharacters)
{
    // Content i holds the boundary as it is after i growths, so each content forces one more
    // character: 59 contents make a boundary of exactly 69 characters, 60 would make it longer.
    const std::string alphabet = "bdefhjklnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789'()+,/?";
    std::vector<std::string> chain;
    std::string grown = "-=_magic_=";
    for (size_t i = 0; i < 60; ++i) {
        chain.push_back(grown);
        grown += alphabet[i];
    }
    std::vector<std::string> fitting(chain.begin(), chain.end() - 1);
    auto boundary = chooseBoundary(fitting, first);
    ASSERT_TRUE(boundary);
    EXPECT_EQ(boundary->size(), 69u);
    EXPECT_FALSE(chooseBoundary(chain, first));
}

TEST(FormBodyTest, UnreadableFileFieldGivesNoContents)
{
    EXPECT_FALSE(fieldContents({fileField("file", "/nonexistent/dir/a.txt")}));
}

TEST(FormBodyTest, PostHeadersNameTypeLengthAndKeepAlive)
{
    EXPECT_EQ(postHeaders("application/x-www-form-urlencoded", 12),
              "Content-type: application/x-www-form-urlencoded\r\nContent-length: 12\r\n"
              "HTTP-keep-alive: 300\r\nHTTP-Connection: keep-alive\r\n"
              "HTTP-Accept: text/html,text/*,image/png,image/jpeg,image/gif,*/*\r\n");
}
