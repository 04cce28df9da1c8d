#include "FixtureLanguage.h"

#include "language/Language.h"
#include "language/WordComparison.h"

#include <gtest/gtest.h>

namespace {

int sign(int value)
{
    return (value > 0) - (value < 0);
}

TEST(WordComparison, BothModes)
{
    const struct {
        const char* a;
        const char* b;
        int upperCase;
        int folding;
    } cases[] = {
        {"forward", "FORWARD", 0, 0},
        {"a", "b", -1, -1},
        {"ab", "abc", -1, -1},
        {"", "", 0, 0},
        {"\xE9t\xE9", "\xC9T\xC9", 0, 0},       // é and É
        {"\x9A", "\x8A", 0, 0},                 // š and Š
        {"\x8A" "EL", "sel", 1, 0},             // Š with caron against plain s
        {"\xE1", "A", 1, 0},
        {"\xE8", "c", 1, 0},
        {"\xFF", "\x9F", 0, 1},                 // ÿ and Ÿ in Windows-1252
        {"\xD7", "\xF7", -1, -1},               // × and ÷ are not letters
    };
    for (const auto& c : cases) {
        EXPECT_EQ(sign(compareWordsIn(tComparisonMode::upperCase, c.a, c.b)), c.upperCase) << c.a << " " << c.b;
        EXPECT_EQ(sign(compareWordsIn(tComparisonMode::folding, c.a, c.b)), c.folding) << c.a << " " << c.b;
    }
}

TEST(WordComparison, FoldingMapExamples)
{
    EXPECT_EQ(foldedByte(0xE1), 'A');
    EXPECT_EQ(foldedByte(0x9A), 'S');
    EXPECT_EQ(foldedByte(0xE8), 'C');
    EXPECT_EQ(foldedByte('q'), 'Q');
    EXPECT_EQ(foldedByte(0xB7), 0xB7);
}

TEST(WordComparison, TransliterationKeepsCase)
{
    EXPECT_EQ(transliterate("\x8A" "koda \x9A" "ola \xC8" "\xE8"), "Skoda sola Cc");
    EXPECT_EQ(transliterate("plain ascii"), "plain ascii");
    EXPECT_EQ(transliterate("\xB7\xD7"), "\xB7\xD7");
}

TEST(WordComparison, AnsiEntrySwitchesTheLanguageToFolding)
{
    ASSERT_TRUE(switchLanguage(installFixtureLanguage("zxfolding", "[dict]\nforward=fd\n[system]\nansi=1\n")));
    EXPECT_TRUE(sameWord("\x8A" "EL", "sel"));
    EXPECT_EQ(nameCode("\x8A" "EL"), nameCode("sel"));
    useFixtureLanguage();
    EXPECT_FALSE(sameWord("\x8A" "EL", "sel"));
    EXPECT_TRUE(sameWord("\x8A" "EL", "\x9A" "el"));
    EXPECT_NE(nameCode("\x8A" "EL"), nameCode("sel"));
}

}
