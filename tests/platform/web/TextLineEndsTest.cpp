#include "platform/web/textLineEnds.h"

#include <gtest/gtest.h>

#include <vector>

TEST(TextLineEndsTest, EveryLineEndBecomesCrLfAcrossBlocks)
{
    struct tCase {
        std::vector<const char*> blocks;
        const char* stored;
    };
    const tCase cases[] = {
        {{"a\nb\n"}, "a\r\nb\r\n"},
        {{"a\r\nb"}, "a\r\nb"},
        {{"a\rb\r"}, "a\r\nb\r\n"},
        {{"a\r", "\nb"}, "a\r\nb"},          // a pair split between blocks stays one line end
        {{"a\r", "\r\n"}, "a\r\n\r\n"},
        {{"\n\n", "\r", "", "\n"}, "\r\n\r\n\r\n"},
        {{"no ends"}, "no ends"},
    };
    for (const tCase& c : cases) {
        tTextLineEnds lineEnds;
        std::string stored;
        for (const char* block : c.blocks)
            stored += lineEnds.convert(block);
        EXPECT_EQ(stored, c.stored);
    }
}

TEST(TextLineEndsTest, SentTextGetsBareLineFeeds)
{
    tTextLineEnds lineEnds("\n");
    std::string sent = lineEnds.convert("a\r\nb\rc\nd\r");
    sent += lineEnds.convert("\ne");
    EXPECT_EQ(sent, "a\nb\nc\nd\ne");
}
