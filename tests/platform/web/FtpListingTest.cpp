#include "platform/web/ftpListing.h"

#include <gtest/gtest.h>

TEST(FtpListing, ReadsUnixAndDosLines)
{
    struct tCase {
        const char* line;
        const char* name;  // null: no entry
        int64_t size;
        bool folder;
    };
    const tCase cases[] = {
        {"-rw-r--r--    1 1000     1000           12 Dec 10 12:00 a.txt", "a.txt", 12, false},
        {"drwxr-xr-x    2 1000     1000         4096 Jan 01  2025 sub", "sub", 4096, true},
        {"-rw-r--r--    1 1000     1000            1 Dec 10 12:00 with  two blanks.txt", "with  two blanks.txt", 1, false},
        {"lrwxrwxrwx    1 1000     1000            5 Dec 10 12:00 link -> a.txt", "link", 5, false},
        {"-rw-r--r--    1 owner            7 Dec 10 12:00 nogroup.txt", "nogroup.txt", 7, false},
        {"12-10-26  10:00AM       <DIR>          Folder", "Folder", 0, true},
        {"12-10-26  10:00AM                 2048 file name.bin", "file name.bin", 2048, false},
        {"total 12", nullptr, 0, false},
        {"drwxr-xr-x    2 1000     1000         4096 Dec 10 12:00 .", nullptr, 0, false},
        {"drwxr-xr-x    2 1000     1000         4096 Dec 10 12:00 ..", nullptr, 0, false},
        {"", nullptr, 0, false},
    };
    for (const tCase& c : cases) {
        auto entries = parseFtpListing(std::string(c.line) + "\r\n");
        if (!c.name) {
            EXPECT_TRUE(entries.empty()) << c.line;
            continue;
        }
        ASSERT_EQ(entries.size(), 1u) << c.line;
        EXPECT_EQ(entries[0].name, c.name);
        EXPECT_EQ(entries[0].size, c.size) << c.line;
        EXPECT_EQ(entries[0].folder, c.folder) << c.line;
    }
}

TEST(FtpListing, ReadsEveryLineWithOrWithoutCarriageReturns)
{
    auto entries = parseFtpListing("total 2\n-rw-r--r-- 1 u g 1 Dec 10 12:00 a\r\ndrwxr-xr-x 2 u g 0 Dec 10 12:00 b");
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].name, "a");
    EXPECT_EQ(entries[1].name, "b");
    EXPECT_TRUE(entries[1].folder);
}
