#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "values/strictOption.h"
#include "values/tLogoInt.h"
#include "values/tLogoList.h"
#include "values/tLogoReal.h"
#include "values/tLogoString.h"
#include "valueTestSupport.h"

namespace {

tLogoWord* word(const char* text) { return new tLogoString(text); }
tlogoobject* number(int32_t v) { return new tLogoInt(v); }

// A list of the given elements, with count 0 like any fresh value.
tLogoList* listOf(std::initializer_list<tlogoobject*> items)
{
    tLogoRef<tLogoList> list(new tLogoList());
    std::vector<tlogoobject*> all(items);
    for (auto it = all.rbegin(); it != all.rend(); ++it) list = tLogoList::Cons(*it, list.get());
    return handOver(list);
}

class WordOperations : public ::testing::Test {
protected:
    void TearDown() override { setStrictLevel(0); }
};

TEST_F(WordOperations, PiecesOfAWord)
{
    tLogoRef<tLogoWord> abc(word("abc"));
    EXPECT_EQ(abc->Count(), 3);
    EXPECT_EQ(textOf(abc->First()), "a");
    EXPECT_EQ(textOf(abc->Last()), "c");
    EXPECT_EQ(textOf(abc->ButFirst()), "bc");
    EXPECT_EQ(textOf(abc->ButLast()), "ab");
    EXPECT_EQ(textOf(abc->Reverse()), "cba");
    EXPECT_EQ(textOf(abc->Fput(word("x"))), "xabc");
    EXPECT_EQ(textOf(abc->Lput(number(1))), "abc1");
    EXPECT_EQ(raisedKey([&] { abc->Lput(listOf({})); }), erExpectWord);
    tLogoRef<tLogoWord> real(new tLogoReal(3.5L));
    EXPECT_EQ(real->Ascii(), '3');
    EXPECT_EQ(textOf(real->ButFirst()), ".5");
}

TEST_F(WordOperations, EmptyWordsFailOnlyWhenStrict)
{
    tLogoRef<tLogoWord> empty(word(""));
    EXPECT_EQ(empty->First(), empty.get());
    EXPECT_EQ(empty->Pick(), empty.get());
    EXPECT_EQ(empty->Ascii(), 0);
    setStrictLevel(1);
    EXPECT_EQ(empty->ButLast(), empty.get());
    EXPECT_EQ(raisedKey([&] { empty->Pick(); }), erEmptyWord);
    EXPECT_EQ(raisedKey([&] { empty->Ascii(); }), erEmptyWord);
    setStrictLevel(2);
    EXPECT_EQ(raisedKey([&] { empty->First(); }), erEmptyWord);
    EXPECT_EQ(raisedKey([&] { empty->ButFirst(); }), erEmptyWord);
}

TEST_F(WordOperations, ItemByNumberAndBySpans)
{
    tLogoRef<tLogoWord> abcdef(word("abcdef"));
    const std::pair<tlogoobject*, const char*> cases[] = {
        {number(2), "b"},
        {number(10), ""},
        {number(0), ""},
        {new tLogoReal(1.6L), "b"},
        {listOf({number(2), number(3)}), "bcd"},
        {listOf({number(0), number(3)}), "ab"},
        {listOf({number(5), number(9)}), "ef"},
        {listOf({listOf({number(1), number(1)}), number(3)}), "ac"},
        {listOf({}), ""},
    };
    for (const auto& [index, expected] : cases) EXPECT_EQ(textOf(abcdef->Item(index)), expected) << expected;
    EXPECT_EQ(raisedKey([&] { abcdef->Item(listOf({number(1)})); }), erExpectList2);
    EXPECT_EQ(raisedKey([&] { abcdef->Item(listOf({listOf({number(1), number(1)}), word("x")})); }), erExpectList);
    EXPECT_EQ(raisedKey([&] { abcdef->Item(word("x")); }), erMinMax);
    setStrictLevel(1);
    EXPECT_EQ(raisedKey([&] { abcdef->Item(number(10)); }), erMinMax);
}

TEST_F(WordOperations, MembershipIsCaseBlind)
{
    tLogoRef<tLogoWord> abc(word("abc"));
    EXPECT_TRUE(abc->IsMember(word("BC")));
    EXPECT_FALSE(abc->IsMember(word("x")));
    EXPECT_EQ(abc->Member(word("C")), 3);
    EXPECT_EQ(abc->Member(word("x")), 0);
    EXPECT_EQ(textOf(abc->FromMember(word("b"))), "bc");
    EXPECT_EQ(textOf(abc->FromMember(word("x"))), "");
    EXPECT_EQ(textOf(tLogoRef<tLogoWord>(word("abcb"))->ButMember(word("b"))), "ac");
    EXPECT_EQ(textOf(tLogoRef<tLogoWord>(word("aXbxx"))->ButMember(word("x"))), "ab");
    EXPECT_EQ(textOf(tLogoRef<tLogoWord>(word("abab"))->ButMember(word("ab"))), "");
    EXPECT_EQ(textOf(abc->ButMember(word(""))), "abc");  // an empty part removes nothing
}

TEST_F(WordOperations, ButItemAndReplace)
{
    tLogoRef<tLogoWord> abcdef(word("abcdef"));
    EXPECT_EQ(textOf(abcdef->ButItem(number(2))), "acdef");
    EXPECT_EQ(textOf(abcdef->ButItem(number(9))), "abcdef");
    EXPECT_EQ(textOf(abcdef->ButItem(listOf({number(2), number(3)}))), "aef");
    EXPECT_EQ(textOf(abcdef->ButItem(listOf({number(0), number(3)}))), "cdef");
    EXPECT_EQ(raisedKey([&] { abcdef->ButItem(number(0)); }), erMinMax);
    EXPECT_EQ(raisedKey([&] { abcdef->ButItem(listOf({number(1)})); }), erExpectList2);
    EXPECT_EQ(raisedKey([&] { abcdef->ButItem(word("x")); }), erExpectNumber);

    EXPECT_EQ(textOf(abcdef->Replace(number(2), word("XY"))), "aXYcdef");
    EXPECT_EQ(textOf(abcdef->Replace(listOf({number(2), number(3)}), word("-"))), "a-ef");
    EXPECT_EQ(textOf(abcdef->Replace(listOf({number(0), number(3)}), word("-"))), "-abcdef");
    EXPECT_EQ(textOf(abcdef->Replace(number(9), word("!"))), "abcdef!");
}

TEST_F(WordOperations, CharAndShuffle)
{
    EXPECT_EQ(textOf(tLogoRef<tLogoWord>(new tLogoInt(65))->Char()), "A");
    try {
        tLogoRef<tLogoWord>(new tLogoInt(256))->Char();
        FAIL() << "char 256 accepted";
    } catch (const eLogoException& error) {
        EXPECT_EQ(error.key, erMinMax);
        EXPECT_EQ(error.lowerBound, 0);
        EXPECT_EQ(error.upperBound, 255);
    }
    tLogoRef<tLogoWord> letters(word("abcdefgh"));
    std::string shuffled = textOf(letters->Shuffle());
    std::sort(shuffled.begin(), shuffled.end());
    EXPECT_EQ(shuffled, "abcdefgh");
    tLogoRef<tLogoWord> single(word("a"));
    EXPECT_EQ(single->Shuffle(), single.get());
}

}  // namespace
