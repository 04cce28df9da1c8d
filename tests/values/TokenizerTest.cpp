#include "values/tLogoTokenizer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Each token as a short tag: W:text, N:text, [, ], / (line break).
std::vector<std::string> tokens(std::string_view text)
{
    std::vector<std::string> out;
    tLogoTokenizer tokenizer(text);
    for (;;) {
        switch (tokenizer.Next()) {
        case tLogoTokenizer::kEnd: return out;
        case tLogoTokenizer::kLineBreak: out.push_back("/"); break;
        case tLogoTokenizer::kOpen: out.push_back("["); break;
        case tLogoTokenizer::kClose: out.push_back("]"); break;
        case tLogoTokenizer::kWord: out.push_back("W:" + tokenizer.text()); break;
        case tLogoTokenizer::kNumber: out.push_back("N:" + tokenizer.text()); break;
        }
    }
}

using Tokens = std::vector<std::string>;

struct TokenCase {
    const char* text;
    Tokens expected;
};

class TokenizerCases : public testing::TestWithParam<TokenCase> {};

TEST_P(TokenizerCases, SplitsAsExpected)
{
    EXPECT_EQ(tokens(GetParam().text), GetParam().expected) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(Signs, TokenizerCases, testing::Values(
    TokenCase{"3 -5", {"N:3", "N:-5"}},
    TokenCase{"3-5", {"N:3", "W:-", "N:5"}},
    TokenCase{"3 - 5", {"N:3", "W:-", "N:5"}},
    TokenCase{"-5", {"N:-5"}},
    TokenCase{"a\r-5", {"W:a", "/", "N:-5"}},
    TokenCase{"[-5 +2]", {"[", "N:-5", "N:+2", "]"}},
    TokenCase{"]-5", {"]", "W:-", "N:5"}},
    TokenCase{"(-5)", {"W:(", "W:-", "N:5", "W:)"}},
    TokenCase{"- a", {"W:-", "W:a"}},
    TokenCase{"\t-5", {"N:-5"}}));

INSTANTIATE_TEST_SUITE_P(Operators, TokenizerCases, testing::Values(
    TokenCase{"a<=b<>c>=d<e>f", {"W:a", "W:<=", "W:b", "W:<>", "W:c", "W:>=", "W:d", "W:<", "W:e",
                                 "W:>", "W:f"}},
    TokenCase{"(a*b)/c;d=e", {"W:(", "W:a", "W:*", "W:b", "W:)", "W:/", "W:c", "W:;", "W:d",
                              "W:=", "W:e"}},
    TokenCase{"a+b", {"W:a", "W:+", "W:b"}}));

INSTANTIATE_TEST_SUITE_P(Numbers, TokenizerCases, testing::Values(
    TokenCase{"12abc", {"W:12abc"}},
    TokenCase{"1e5 007 3.10", {"N:1e5", "N:007", "N:3.10"}},
    TokenCase{"2.5x 1e 1.", {"W:2.5x", "W:1e", "N:1."}},
    TokenCase{"1e+5 1E-2 1e+)", {"N:1e+5", "N:1E-2", "W:1e+", "W:)"}},
    TokenCase{"1.5.3 2]", {"W:1.5.3", "N:2", "]"}},
    TokenCase{"0x10", {"W:0x10"}}));

INSTANTIATE_TEST_SUITE_P(Quotes, TokenizerCases, testing::Values(
    TokenCase{"\"abc+1", {"W:\"abc", "W:+", "N:1"}},
    TokenCase{"\"+ \"( \" ]", {"W:\"+", "W:\"(", "W:\"", "]"}},
    TokenCase{"\"a\\ b", {"W:\"a b"}},
    TokenCase{"\"|a b|c", {"W:\"a bc"}},
    TokenCase{"a\"b", {"W:a", "W:\"b"}},
    TokenCase{"\"\"", {"W:\"\""}}));

INSTANTIATE_TEST_SUITE_P(EscapesAndBars, TokenizerCases, testing::Values(
    TokenCase{"a\\65.b", {"W:aAb"}},
    TokenCase{"a\\65b", {"W:aAb"}},
    TokenCase{"\\[x\\]", {"W:[x]"}},
    TokenCase{"a\\2555", {"W:a\xff"}},
    TokenCase{"a\\13", {"W:a\r"}},
    TokenCase{"a\\", {"W:a"}},
    TokenCase{"|a [b] \"c|d e", {"W:a [b] \"cd", "W:e"}},
    TokenCase{"|open", {"W:open"}},
    TokenCase{"||", {"W:"}},
    TokenCase{"a\xb6" "b |c\xb6|", {"W:a\rb", "W:c\r"}},
    TokenCase{"\\\xb6", {"W:\xb6"}}));

INSTANTIATE_TEST_SUITE_P(ControlCharacters, TokenizerCases, testing::Values(
    TokenCase{"a\r\nb", {"W:a", "/", "W:b"}},
    TokenCase{"a\nb", {"W:ab"}},
    TokenCase{"a\tb\x01" "c", {"W:a", "W:b", "W:c"}},
    TokenCase{"", {}},
    TokenCase{"   ", {}}));

TEST(Tokenizer, NulEndsTheTextLikeItsEnd)
{
    EXPECT_EQ(tokens(std::string_view("a [\0b", 5)), (Tokens{"W:a", "["}));
}

TEST(Tokenizer, CountsLineBreaks)
{
    tLogoTokenizer tokenizer("a\r\nb\r\rc");
    std::vector<int> lines;
    while (tokenizer.Next() != tLogoTokenizer::kEnd)
        if (tokenizer.kind() == tLogoTokenizer::kWord)
            lines.push_back(tokenizer.line());
    EXPECT_EQ(lines, (std::vector<int>{0, 1, 3}));
}

}  // namespace
