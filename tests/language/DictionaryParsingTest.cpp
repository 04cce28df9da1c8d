#include "language/TDTables.h"

#include <gtest/gtest.h>

namespace {

TEST(DictionaryParsing, SectionsAndKeysAreTrimmedAndLowerCased)
{
    const TDTables tables = TDTables::Parse("  [ Dict ]  \r\n   Forward =  fd forward   \r\n");
    const std::string* value = tables.Find("dict", "forward");
    ASSERT_NE(value, nullptr);
    EXPECT_EQ(*value, "fd forward");
    EXPECT_EQ(splitWords(*value).front(), "fd");
    EXPECT_NE(tables.Find("DICT", "FORWARD"), nullptr);
}

TEST(DictionaryParsing, IgnoredLines)
{
    const TDTables tables = TDTables::Parse("early=before any section\n"
                                            "[s]\n"
                                            ";hidden=comment\n"
                                            "no equals sign here\n"
                                            "\n"
                                            "   \n"
                                            "kept=yes\n");
    ASSERT_EQ(tables.Sections().size(), 1u);
    const auto& entries = tables.Sections()[0].Entries();
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].first, "kept");
    EXPECT_EQ(tables.Find("s", "early"), nullptr);
    EXPECT_EQ(tables.Find("s", ";hidden"), nullptr);
}

TEST(DictionaryParsing, LineEndsAndTheEndOfText)
{
    const struct {
        const char* name;
        std::string_view text;
    } cases[] = {
        {"CR", "[s]\ra=1\rb=2\r"},
        {"LF", "[s]\na=1\nb=2\n"},
        {"CR LF", "[s]\r\na=1\r\nb=2\r\n"},
        {"mixed, no final break", "[s]\r\na=1\rb=2"},
        {"NUL ends the text", std::string_view("[s]\na=1\nb=2\n\0c=3\n", 19)},
    };
    for (const auto& c : cases) {
        const TDTables tables = TDTables::Parse(c.text);
        ASSERT_NE(tables.FindSection("s"), nullptr) << c.name;
        EXPECT_EQ(tables.FindSection("s")->Entries().size(), 2u) << c.name;
        EXPECT_EQ(*tables.Find("s", "b"), "2") << c.name;
        EXPECT_EQ(tables.Find("s", "c"), nullptr) << c.name;
    }
}

TEST(DictionaryParsing, EntriesAreSortedAndDuplicatesKeepFileOrder)
{
    const TDTables tables = TDTables::Parse("[s]\nzeta=1\nalpha=2\nmid=first\nMID=second\nbeta=3\n");
    std::vector<std::string> keys, values;
    for (const auto& [key, value] : tables.FindSection("s")->Entries()) {
        keys.push_back(key);
        values.push_back(value);
    }
    EXPECT_EQ(keys, (std::vector<std::string>{"alpha", "beta", "mid", "mid", "zeta"}));
    EXPECT_EQ(values[2], "first");
    EXPECT_EQ(values[3], "second");
    EXPECT_EQ(*tables.Find("s", "zeta"), "1");
    EXPECT_EQ(*tables.Find("s", "alpha"), "2");
}

TEST(DictionaryParsing, EqualsInsideTheValueAndSectionsInSortedOrder)
{
    const TDTables tables = TDTables::Parse("[b]\nk = x = y\n[a]\nk=1\n[c]\n");
    EXPECT_EQ(*tables.Find("b", "k"), "x = y");
    std::vector<std::string> names;
    for (const auto& section : tables.Sections())
        names.push_back(section.Name());
    EXPECT_EQ(names, (std::vector<std::string>{"a", "b", "c"}));
    EXPECT_EQ(tables.FindSection("missing"), nullptr);
}

TEST(DictionaryParsing, SynonymsAreSplitAtAnyBlanks)
{
    EXPECT_EQ(splitWords("  fd \t forward  fwd "), (std::vector<std::string>{"fd", "forward", "fwd"}));
    EXPECT_TRUE(splitWords("   ").empty());
}

}
