#include "values/WordSourceForm.h"
#include "values/tLogoTokenizer.h"

#include <gtest/gtest.h>

namespace {

struct FormCase {
    std::string text;
    std::string source;
};

class WordSourceForm : public testing::TestWithParam<FormCase> {};

// The source form is fixed, and reading it back gives one word with the same text
// (line feeds come back as carriage returns: the reader keeps one kind of line break).
TEST_P(WordSourceForm, IsWrittenAndReadsBack)
{
    const FormCase& c = GetParam();
    EXPECT_EQ(wordSourceText(c.text), c.source);

    tLogoTokenizer tokenizer(c.source);
    ASSERT_EQ(tokenizer.Next(), tLogoTokenizer::kWord) << c.source;
    std::string expected = c.text;
    for (size_t i = 0; i < expected.size(); ++i)
        if (expected[i] == '\r' && i + 1 < expected.size() && expected[i + 1] == '\n')
            expected.erase(i + 1, 1);
    for (char& ch : expected)
        if (ch == '\n')
            ch = '\r';
    EXPECT_EQ(tokenizer.text(), expected) << c.source;
    EXPECT_EQ(tokenizer.Next(), tLogoTokenizer::kEnd) << c.source;
}

INSTANTIATE_TEST_SUITE_P(Awkward, WordSourceForm, testing::Values(
    FormCase{"abc", "abc"},
    FormCase{"a b", "|a b|"},
    FormCase{"\"a b", "\"|a b|"},
    FormCase{"a+b", "|a+b|"},
    FormCase{"[x]", "|[x]|"},
    FormCase{"a\\b", "|a\\b|"},
    FormCase{"a|b c", "a\\|b\\ c"},
    FormCase{"a\xb6 b", "a\\\xb6\\ b"},
    FormCase{"a\"b", "|a\"b|"},
    FormCase{"\"\"", "\"\""},
    FormCase{"\"+", "\"+"},
    FormCase{"\"a+", "\"|a+|"},
    FormCase{"-5", "|-5|"},
    FormCase{"", "||"}));

INSTANTIATE_TEST_SUITE_P(Operators, WordSourceForm, testing::Values(
    FormCase{"+", "+"},
    FormCase{"(", "("},
    FormCase{"<>", "<>"},
    FormCase{"<=", "<="},
    FormCase{">=", ">="},
    FormCase{"=>", "|=>|"}));

INSTANTIATE_TEST_SUITE_P(ControlCharacters, WordSourceForm, testing::Values(
    FormCase{"a\rb", "a\xb6" "b"},
    FormCase{"a\r\nb", "a\xb6" "b"},
    FormCase{"a\nb", "a\xb6" "b"},
    FormCase{"a b\r\nc", "|a b\xb6" "c|"},
    FormCase{"a\x01" "5", "a\\1.5"},
    FormCase{"a\t", "a\\9"},
    FormCase{"a b\x01", "|a b|\\1"},
    FormCase{"\"a b\x01", "\"|a b|\\1"},
    FormCase{"a|\x01", "a\\|\\1."},
    FormCase{"a\x01 b", "a\\1.\\ b"}));

}  // namespace
