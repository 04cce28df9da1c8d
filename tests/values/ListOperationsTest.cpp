#include <gtest/gtest.h>

#include "ListTestSupport.h"
#include "values/tLogoBool.h"
#include "values/tLogoInt.h"
#include "values/valuePools.h"

namespace {

class ListOperations : public testing::Test {
protected:
    static void SetUpTestSuite() { setUpListLayer(); }
};

TEST_F(ListOperations, EmptyListGivesEmptyListUnlessStrict)
{
    const std::pair<const char*, ListOperation> operations[] = {
        {"first", LIST_OPERATION(l.First())},
        {"butfirst", LIST_OPERATION(l.ButFirst())},
        {"last", LIST_OPERATION(l.Last())},
        {"butlast", LIST_OPERATION(l.ButLast())},
        {"pick", LIST_OPERATION(l.Pick())},
    };
    for (const auto& [name, operation] : operations) {
        EXPECT_EQ(outcome("[]", operation), "[]") << name;
        tStrictLevel strict(1);
        EXPECT_EQ(outcome("[]", operation), "error erEmptyList") << name;
    }
}

TEST_F(ListOperations, ElementAccess)
{
    checkCases("first", LIST_OPERATION(l.First()), {{"[[a b] c]", "", "[a b]"}});
    checkCases("butfirst", LIST_OPERATION(l.ButFirst()), {{"[a]", "", "[]"}, {"[a b c]", "", "[b c]"}});
    checkCases("last", LIST_OPERATION(l.Last()), {{"[a b [c]]", "", "[c]"}, {"[a]", "", "a"}});
    checkCases("butlast", LIST_OPERATION(l.ButLast()), {{"[a b c]", "", "[a b]"}, {"[a]", "", "[]"}});
    checkCases("count", LIST_OPERATION(NewInteger(l.Count())), {{"[]", "", "0"}, {"[a [b c] d]", "", "3"}});
    checkCases("reverse", LIST_OPERATION(l.Reverse()), {{"[a [b c] d]", "", "[d [b c] a]"}, {"[]", "", "[]"}});
}

TEST_F(ListOperations, TailsAreShared)
{
    tLogoRef<tLogoList> list = listOf("[a b c]");
    EXPECT_EQ(list->ButFirst(), list->rest);
    tLogoRef<tlogoobject> longer(list->Fput(valueOf("z").get()));
    EXPECT_EQ(static_cast<tLogoList*>(longer.get())->rest, list.get());
    tLogoRef<tlogoobject> word(valueOf("b"));
    EXPECT_EQ(list->FromMember(word.get()), list->rest);
}

TEST_F(ListOperations, Item)
{
    checkCases("item", LIST_OPERATION(l.Item(x)), {
        {"[a b c]", "2", "b"},
        {"[a b c]", "2.4", "b"},
        {"[a b c]", "5", "[]"},
        {"[a b c]", "0", "[]"},
        {"[]", "1", "[]"},
        {"[p q r s]", "[2 2]", "[q r]"},
        {"[p q r s]", "[3 9]", "[r s]"},
        {"[p q r s]", "[0 3]", "[p q]"},
        {"[p q r s]", "[[1 1] 4]", "[p s]"},
        {"[p q r s]", "[[2 2] 9 [4 1]]", "[q r s]"},
        {"[p q r s]", "[]", "[]"},
        {"[p q r s]", "[1 2 3]", "error erExpectList2"},
        {"[p q r s]", "[[1 2 3]]", "error erExpectList2"},
        {"[p q r s]", "[[1 1] x]", "error erExpectList"},
        {"[p q r s]", "x", "error erExpectNumber"},
    });
    tStrictLevel strict(1);
    checkCases("strict item", LIST_OPERATION(l.Item(x)), {
        {"[a b c]", "5", "error erMinMax"},
        {"[a b c]", "0", "error erMinMax"},
        {"[]", "1", "error erEmptyList"},
        {"[p q r s]", "[[1 1] 9]", "error erMinMax"},
    });
}

TEST_F(ListOperations, OutOfRangeReportsTheBoundsAndThePosition)
{
    tStrictLevel strict(1);
    tLogoRef<tLogoList> list = listOf("[a b c]");
    try {
        list->Item(valueOf("5").get());
        FAIL() << "item 5 of a three-element list";
    } catch (const eLogoException& e) {
        EXPECT_EQ(e.key, erMinMax);
        EXPECT_EQ(e.lowerBound, 1);
        EXPECT_EQ(e.upperBound, 3);
        ASSERT_TRUE(e.culprit);
        EXPECT_EQ(e.culprit->AsInteger(), 5);
    }
}

// Lookups by position resume where the previous one stopped; the answers must not depend on
// the order of the positions asked, nor leak between a list and its shared tail.
TEST_F(ListOperations, ItemInAnyOrderOfPositions)
{
    tLogoRef<tLogoList> list(new tLogoList);
    for (int i = 30; i >= 1; --i)
        list = tLogoList::Cons(NewInteger(i), list.get());
    tLogoRef<tlogoobject> tail(list->ButFirst());
    auto itemOf = [](tlogoobject* of, int k) {
        tLogoRef<tlogoobject> index(NewInteger(k));
        tLogoRef<tlogoobject> element(static_cast<tLogoList*>(of)->Item(index.get()));
        return element->PrintText(1);
    };
    const int positions[] = {1, 2, 10, 30, 29, 5, 5, 31, 30, 0, 17, 18, 1, -3, 40, 12};
    for (int k : positions) {
        const std::string expected = k >= 1 && k <= 30 ? std::to_string(k) : "[]";
        EXPECT_EQ(itemOf(list.get(), k), expected) << "item " << k;
        const std::string expectedInTail = k >= 1 && k <= 29 ? std::to_string(k + 1) : "[]";
        EXPECT_EQ(itemOf(tail.get(), k), expectedInTail) << "item " << k << " of the tail";
    }
    tStrictLevel strict(1);
    EXPECT_EQ(itemOf(list.get(), 30), "30");
    EXPECT_THROW(itemOf(list.get(), 31), eLogoException);
    EXPECT_EQ(list->NthCell(29)->first->AsInteger(), 29);
}

TEST_F(ListOperations, ButItemAndReplace)
{
    checkCases("butitem", LIST_OPERATION(l.ButItem(x)), {
        {"[a b c]", "2", "[a c]"},
        {"[a b c]", "3", "[a b]"},
        {"[a b c]", "4", "error erMinMax"},
        {"[]", "1", "error erEmptyList"},
        {"[a b c d]", "[2 2]", "[a d]"},
        {"[a b c d]", "[0 2]", "[a b c d]"},
        {"[a b c d]", "[3 9]", "[a b]"},
        {"[a b c d]", "[1]", "error erExpectList2"},
        {"[a b c d]", "x", "error erExpectNumber"},
    });
    checkCases("replace", LIST_OPERATION(l.Replace(x, y)), {
        {"[a b]", "10", "[a b x]", "x"},
        {"[a b]", "0", "[x a b]", "x"},
        {"[a b]", "-3", "[x a b]", "x"},
        {"[a b]", "2", "[a x]", "x"},
        {"[]", "1", "[x]", "x"},
        {"[a b c]", "[2 1]", "error erExpectList", "x"},
        {"[a b c]", "[2]", "error erExpectList2", "x"},
        {"[a b c]", "y", "error erExpectNumber", "x"},
    });
    checkCases("replace", LIST_OPERATION(l.Replace(x, y)), {
        {"[a b c]", "[2 1]", "[a x y c]", "[x y]"},
        {"[a b c]", "[2 0]", "[a x y b c]", "[x y]"},
        {"[a b c]", "[0 5]", "[x y a b c]", "[x y]"},
        {"[a b c]", "[2 9]", "[a x y]", "[x y]"},
        {"[a b c]", "[7 1]", "[a b c x y]", "[x y]"},
    });
}

TEST_F(ListOperations, DeepItemAndDeepReplace)
{
    checkCases("deepitem", LIST_OPERATION(l.DeepItem(x)), {
        {"[a [b [c d]]]", "[2 2 1]", "c"},
        {"[a [b c]]", "2", "[b c]"},
        {"[a [b c]]", "[]", "[a [b c]]"},
        {"[a [b c]]", "[3]", "[]"},
        {"[a [b c]]", "[1 1]", "[]"},
        {"[a [b c]]", "[2 x]", "error erBadStructure"},
        {"[a [b c]]", "x", "error erExpectList"},
    });
    checkCases("deepreplace", LIST_OPERATION(l.DeepReplace(x, y)), {
        {"[a [b c] d]", "[2 1]", "[a [z c] d]", "z"},
        {"[a [b c] d]", "2", "[a z d]", "z"},
        {"[a [b c] d]", "5", "[a [b c] d]", "z"},
        {"[a [b c] d]", "[1 1]", "[a [b c] d]", "z"},
        {"[a [b c] d]", "[2 7]", "[a [b c] d]", "z"},
        {"[a [b c] d]", "[]", "z", "z"},
        {"[a [b c] d]", "[x]", "error erBadStructure", "z"},
    });
}

TEST_F(ListOperations, DeepReplaceCopiesOnlyThePath)
{
    tLogoRef<tLogoList> list = listOf("[a [b c] [d]]");
    tLogoRef<tlogoobject> replaced(list->DeepReplace(valueOf("[2 1]").get(), valueOf("z").get()));
    tLogoList* copy = static_cast<tLogoList*>(replaced.get());
    EXPECT_NE(copy->rest->first, list->rest->first);
    EXPECT_EQ(copy->rest->rest, list->rest->rest);
    EXPECT_EQ(list->PrintText(0), "a [b c] [d]");
}

TEST_F(ListOperations, Membership)
{
    checkCases("fput", LIST_OPERATION(l.Fput(x)), {{"[]", "x", "[x]"}, {"[a]", "[x]", "[[x] a]"}});
    checkCases("lput", LIST_OPERATION(l.Lput(x)), {{"[]", "x", "[x]"}, {"[a]", "[x]", "[a [x]]"}, {"[a [b] c]", "d", "[a [b] c d]"}});
    checkCases("member?", LIST_OPERATION(NewBoolean(l.IsMember(x))), {
        {"[a B c]", "b", "true"}, {"[a [b] c]", "[B]", "true"}, {"[1 2]", "2.0", "true"},
        {"[a b]", "[a]", "false"}, {"[]", "a", "false"},
    });
    checkCases("member", LIST_OPERATION(NewInteger(l.Member(x))), {{"[a [b] c]", "[b]", "2"}, {"[a b]", "z", "0"}});
    checkCases("frommember", LIST_OPERATION(l.FromMember(x)), {{"[a b c]", "b", "[b c]"}, {"[a b c]", "z", "[]"}});
    checkCases("butmember", LIST_OPERATION(l.ButMember(x)), {{"[a b A c]", "a", "[b c]"}, {"[a a]", "a", "[]"}});
}

TEST_F(ListOperations, Equality)
{
    struct {
        const char* left;
        const char* right;
        bool equal;
    } cases[] = {
        {"[a [b 3]]", "[A [B 3.0]]", true}, {"[]", "[]", true},  {"[a]", "[a b]", false},
        {"[a b]", "[a]", false},            {"[[]]", "[]", false}, {"[a]", "a", false},
    };
    for (const auto& c : cases) {
        tLogoRef<tLogoList> left = listOf(c.left);
        EXPECT_EQ(left->Equals(valueOf(c.right).get()), c.equal) << c.left << " = " << c.right;
        EXPECT_EQ(left->DiffersFrom(valueOf(c.right).get()), !c.equal) << c.left << " <> " << c.right;
    }
}

TEST_F(ListOperations, ShuffleAndPickKeepTheElements)
{
    tLogoRef<tLogoList> list = listOf("[a b c d e]");
    for (int round = 0; round < 20; ++round) {
        tLogoRef<tlogoobject> shuffled(list->Shuffle());
        tLogoRef<tlogoobject> sorted(static_cast<tLogoList*>(shuffled.get())->Sort());
        EXPECT_EQ(sorted->PrintText(0), "a b c d e");
        EXPECT_TRUE(list->IsMember(list->Pick()));
    }
    tLogoRef<tLogoList> single = listOf("[a]");
    EXPECT_EQ(single->Shuffle(), single.get());
}

TEST_F(ListOperations, Sort)
{
    checkCases("sort", LIST_OPERATION(l.Sort()), {
        {"[3 1 2]", "", "[1 2 3]"},
        {"[10 9 b a]", "", "[9 10 a b]"},
        {"[b A c]", "", "[A b c]"},
        {"[[1 2] [1] [0 5]]", "", "[[0 5] [1] [1 2]]"},
        {"[2.5 -1 2]", "", "[-1 2 2.5]"},
        {"[]", "", "[]"},
        {"[x]", "", "[x]"},
    });
}

TEST_F(ListOperations, SortMixedNumbersWordsAndLists)
{
    tLogoRef<tLogoList> list = listOf("[b 10 a 9 [1 2] [1]]");
    tLogoRef<tlogoobject> sorted(list->Sort());
    tLogoList* result = static_cast<tLogoList*>(sorted.get());
    auto position = [&](const char* text) { return result->Member(valueOf(text).get()); };
    EXPECT_EQ(result->Count(), 6);
    EXPECT_LT(position("9"), position("10"));
    EXPECT_LT(position("[1]"), position("[1 2]"));
    EXPECT_LT(position("a"), position("b"));
}

TEST_F(ListOperations, SortOfALongSortedListFinishes)
{
    tLogoRef<tLogoList> list(new tLogoList);
    for (int i = 3000; i > 0; --i)
        list = tLogoList::Cons(NewInteger(i), list.get());
    tLogoRef<tlogoobject> sorted(list->Sort());
    EXPECT_TRUE(sorted->Equals(list.get()));
}

TEST_F(ListOperations, ClauseForm)
{
    checkCases("clauses", LIST_OPERATION(l.ClauseForm()), {
        {"[1 2 [a] 3 [b] [c]]", "", "[[1 [a]] [2 [a]] [3 [b]] [[c]]]"},
        {"[[1 2] [a]]", "", "[[[1 2] [a]]]"},
        {"[[a]]", "", "[[[a]]]"},
        {"[]", "", "[]"},
        {"[1 2]", "", "error erBadStructure"},
        {"[1 [a] 2]", "", "error erBadStructure"},
    });
}

}  // namespace
