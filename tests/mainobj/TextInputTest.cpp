#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "mainobj/tTextInput.h"

namespace {

std::vector<std::string> allLines(std::string text)
{
    tTextInput input(std::move(text));
    std::vector<std::string> lines;
    while (!input.AtEnd()) lines.push_back(input.ReadLine());
    return lines;
}

TEST(TextInput, LinesEndAtCarriageReturnsLineFeedsOrBoth)
{
    struct Case {
        const char* text;
        std::vector<std::string> lines;
    } cases[] = {
        {"one\r\ntwo\r\n", {"one", "two"}},
        {"one\ntwo", {"one", "two"}},
        {"one\rtwo\r", {"one", "two"}},
        {"one\r\n\r\nthree", {"one", "", "three"}},
        {"  padded \t\r\n", {"padded"}},
        {"\x01 control\x02\n", {"control"}},
    };
    for (const Case& c : cases) EXPECT_EQ(allLines(c.text), c.lines) << c.text;
}

TEST(TextInput, ReadingPastTheEndGivesEmptyTexts)
{
    tTextInput input("ab");
    EXPECT_EQ(input.ReadChar(), "a");
    EXPECT_FALSE(input.AtEnd());
    EXPECT_EQ(input.ReadLine(), "b");
    EXPECT_TRUE(input.AtEnd());
    EXPECT_EQ(input.ReadLine(), "");
    EXPECT_EQ(input.ReadChar(), "");
}

}  // namespace
