#include "values/LogoReader.h"

#include <gtest/gtest.h>

#include "language/Language.h"
#include "values/eLogoException.h"
#include "values/installListOperations.h"
#include "values/tLogoList.h"
#include "values/tLogoRef.h"
#include "values/tLogoString.h"

namespace {

class Reader : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        switchLanguage("");
        installListOperations();
    }

    static tLogoRef<tLogoList> read(std::string_view text, bool byLines = false)
    {
        return tLogoRef<tLogoList>(ListFromText(text, byLines));
    }

    // The class of every top-level element, as a compact signature.
    static std::string kinds(tLogoList* list)
    {
        std::string out;
        for (tlogoobject* element : elements(list))
            out += std::string(element->ClassName()) + " ";
        return out;
    }
};

TEST_F(Reader, NestedListsAndQuotedWords)
{
    auto list = read("[1 [2 3] \"x]");
    ASSERT_EQ(list->Count(), 1);
    tLogoList* inner = static_cast<tLogoList*>(list->first);
    EXPECT_EQ(inner->Count(), 3);
    EXPECT_TRUE(inner->rest->first->IsList());
    EXPECT_EQ(inner->PrintText(0), "1 [2 3] \"x");
    EXPECT_EQ(list->PrintText(0), "[1 [2 3] \"x]");
    EXPECT_EQ(list->PrintText(1), "[[1 [2 3] \"x]]");
}

TEST_F(Reader, ElementClassesAndKeptNumberTexts)
{
    struct {
        const char* text;
        const char* kinds;
        const char* printed;
    } cases[] = {
        {"3 -5", "tLogoInt tLogoInt ", "3 -5"},
        {"3-5", "tLogoInt tLogoString tLogoInt ", "3 - 5"},
        {"-5", "tLogoInt ", "-5"},
        {"12abc 1e", "tLogoString tLogoString ", "12abc 1e"},
        {"1e5 007 3.10 +4", "tLogoReal tLogoInt tLogoReal tLogoInt ", "1e5 007 3.10 +4"},
        {"99999999999 1e99999", "tLogoReal tLogoString ", "99999999999 1e99999"},
        {"true FALSE \"true", "tLogoBool tLogoBool tLogoString ", "true FALSE \"true"},
        {"[] [[]]", "tLogoList tLogoList ", "[] [[]]"},
        {"\xB7" "other" "\xB7" "true", "tLogoBool ", "true"},
        {"\xB7" "forward", "tLogoString ", "\xB7" "forward"},
        {"", "", ""},
    };
    for (const auto& c : cases) {
        auto list = read(c.text);
        EXPECT_EQ(kinds(list.get()), c.kinds) << c.text;
        EXPECT_EQ(list->PrintText(0), c.printed) << c.text;
    }
}

TEST_F(Reader, NumbersKeepTheirValues)
{
    auto list = read("1e5 007 -5 2.5");
    const long double expected[] = {100000, 7, -5, 2.5L};
    int i = 0;
    for (tlogoobject* element : elements(list.get()))
        EXPECT_EQ(element->AsReal(), expected[i++]);
}

TEST_F(Reader, BracketErrors)
{
    struct {
        const char* text;
        errorConst key;
    } cases[] = {
        {"[a [b]", erMissingRBracket},
        {"a ]", erExtraRBracket},
        {"]", erExtraRBracket},
        {"[a] b]", erExtraRBracket},
        {"|[|a [", erMissingRBracket},
    };
    for (const auto& c : cases) {
        try {
            ListFromText(c.text, false);
            ADD_FAILURE() << c.text << " read without error";
        } catch (const eLogoException& e) {
            EXPECT_EQ(e.key, c.key) << c.text;
        }
    }
}

TEST_F(Reader, LoadingAProjectClosesOpenLists)
{
    tLogoRef<tLogoList> list(ListFromText("a [b [c", false, true));
    EXPECT_EQ(list->PrintText(0), "a [b [c]]");
    EXPECT_THROW(ListFromText("a ] b", false, true), eLogoException);
}

TEST_F(Reader, ByLinesGivesOneListPerLine)
{
    struct {
        const char* text;
        const char* lines;
    } cases[] = {
        {"a b\r\nc [d]", "[a b] [c [d]]"},
        {"  a\r\n\r\nb \r\n\r\n", "[a] [] [b]"},
        {"a\nb", "[a] [b]"},
        {"", "[]"},
        {"a\rb", "[a b]"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(read(c.text, true)->PrintText(0), c.lines) << c.text;
}

TEST_F(Reader, PilcrowIsALineBreakInsideAWord)
{
    auto list = read("a\xb6" "b");
    ASSERT_EQ(list->Count(), 1);
    EXPECT_EQ(list->first->WordText(), "a\rb");
    EXPECT_EQ(list->first->PrintText(1), "a\r\nb");
    EXPECT_EQ(list->first->SourceText(1), "a\xb6" "b");
}

TEST_F(Reader, LineOfAnElementToken)
{
    const char* text = "a [b c]\r\n\r\nd 5\r\n[e";
    struct {
        int count;
        int line;
    } cases[] = {{1, 1}, {2, 1}, {4, 1}, {5, 3}, {6, 3}, {7, 4}, {8, 4}, {99, 4}};
    for (const auto& c : cases)
        EXPECT_EQ(LineOfToken(text, c.count), c.line) << c.count;
}

// Source form, read back, gives the same words, whatever characters they hold.
TEST_F(Reader, SourceFormReadsBackAsTheSameWords)
{
    const std::string awkward[] = {
        "a b", "\"a b", "[x]", "a]", "a+b", "+", "-", "<>", "<=", ">=", "=>", "(", "a(b", "x;y",
        "a\\b", "a|b", "|", "a\"b", "\"", "\"\"", "\"+", "a\rb", "a\x01" "5", "a\x7", "\t",
        "", "-5", "3a", "a\xb6 b", "\xb6", "a b\x02", "\"\x03",
    };
    tLogoRef<tLogoList> list(new tLogoList);
    for (auto it = std::rbegin(awkward); it != std::rend(awkward); ++it)
        list = tLogoList::Cons(new tLogoString(*it), list.get());

    const std::string source = list->SourceText(0);
    auto back = read(source);
    ASSERT_EQ(back->Count(), list->Count()) << source;
    tLogoList* original = list.get();
    for (tlogoobject* element : elements(back.get())) {
        EXPECT_TRUE(element->IsWord());
        EXPECT_EQ(element->WordText(), original->first->WordText()) << original->first->SourceText(0);
        original = original->rest;
    }
}

}  // namespace
