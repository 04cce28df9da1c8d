#include <gtest/gtest.h>

#include <vector>

#include "language/Language.h"
#include "values/registration.h"
#include "values/tLogoInt.h"
#include "values/tLogoString.h"
#include "values/tLogoVarTab.h"
#include "values/tProcDesc.h"
#include "values/valuePools.h"
#include "valueTestSupport.h"

namespace {

std::vector<uint32_t> insertionOrder(tLogoTab& table)
{
    std::vector<uint32_t> codes;
    table.ForEachInOrder([](void* data, tTabDesc* entry) { static_cast<std::vector<uint32_t>*>(data)->push_back(entry->code); },
                         &codes);
    return codes;
}

TEST(NameTable, GrowsUpAndDownInStepsOf512)
{
    tLogoTab table;
    struct {
        uint32_t code;
        int32_t low, high;
    } const steps[] = {
        {2000, 1744, 2256},  // first array: 256 below the code, 512 wide
        {2300, 1744, 2768},  // just above: one step up
        {4000, 1744, 4000},  // far above: exactly to the code
        {1700, 1232, 4000},  // just below: one step down
        {632, 632, 4000},    // 600 below: exactly to the code
        {400, 120, 4000},
        {3, 1, 4000},        // never below 1
    };
    for (const auto& step : steps) {
        table.PutEntry(new tTabDesc(step.code, 0));
        EXPECT_EQ(table.low, step.low) << step.code;
        EXPECT_EQ(table.high, step.high) << step.code;
    }
    for (const auto& step : steps) EXPECT_NE(table.FindEntry(step.code), nullptr) << step.code;
    EXPECT_EQ(table.FindEntry(5u), nullptr);
    EXPECT_EQ(table.FindEntry(99999u), nullptr);
    auto* zero = new tTabDesc(0, 0);
    EXPECT_EQ(raisedKey([&] { table.PutEntry(zero); }), erInternLogoTab);
    delete zero;
}

TEST(NameTable, InsertionOrderAndReplacement)
{
    tLogoTab table;
    for (uint32_t code : {50u, 30u, 90u}) table.PutEntry(new tTabDesc(code, 0));
    EXPECT_EQ(insertionOrder(table), (std::vector<uint32_t>{50, 30, 90}));
    auto* replacement = new tTabDesc(30, 0);
    table.PutEntry(replacement);
    EXPECT_EQ(insertionOrder(table), (std::vector<uint32_t>{50, 90, 30}));
    EXPECT_EQ(table.FindEntry(30u), replacement);
    EXPECT_EQ(replacement->table, &table);
    table.PutEntry(replacement);  // putting an entry in again keeps it
    EXPECT_EQ(table.FindEntry(30u), replacement);
    EXPECT_EQ(insertionOrder(table), (std::vector<uint32_t>{50, 90, 30}));
    table.Erase(50);
    EXPECT_EQ(insertionOrder(table), (std::vector<uint32_t>{90, 30}));
    EXPECT_EQ(raisedKey([&] { table.Erase(50); }), erDoNotKnowHowTo);
    table.EraseIfPresent(50);
}

TEST(NameTable, NamesThatDifferInCaseShareTheirEntry)
{
    tLogoTab table;
    table.PutEntry(new tProcDesc(nameCode("square"), 1, 0));
    auto* redefined = new tProcDesc(nameCode("SQUARE"), 2, 0);
    table.PutEntry(redefined);
    EXPECT_EQ(table.FindEntry(std::string_view("Square")), redefined);
    EXPECT_EQ(insertionOrder(table).size(), 1u);
}

TEST(NameTable, EraseAllKeepsTheBuiltInSet)
{
    tLogoTab table;
    setStartupLoading(true);
    table.PutEntry(new tTabDesc(10, 0));
    setWindowBuilding(true);
    table.PutEntry(new tTabDesc(11, 0));  // built while a window is made: not a system entry
    setWindowBuilding(false);
    setStartupLoading(false);
    table.PutEntry(new tTabDesc(12, 0));
    table.PutEntry(new tTabDesc(13, 0));
    EXPECT_TRUE(table.FindEntry(10u)->flags & kSystemEntry);
    table.EraseAll(13);
    EXPECT_EQ(insertionOrder(table), (std::vector<uint32_t>{10, 13}));
}

TEST(NameTable, ListingFlagsReportTheirPreviousState)
{
    tLogoTab table;
    table.PutEntry(new tTabDesc(nameCode("hiddenthing"), 0));
    EXPECT_FALSE(table.SetHidden(std::string_view("hiddenthing"), true));
    EXPECT_TRUE(table.SetHidden(nameCode("HiddenThing"), false));
    EXPECT_FALSE(table.SetFlag("hiddenthing", true));
    EXPECT_TRUE(table.FindEntry(std::string_view("hiddenthing"))->flags & kNeverListed);
    EXPECT_EQ(raisedKey([&] { table.SetFlag("no such entry here", true); }), erDoNotKnowHowTo);
}

TEST(Registration, KeysBecomeEveryUserVisibleName)
{
    const std::pair<const char*, std::vector<std::string>> cases[] = {
        {"forward", {"forward", "fd"}},
        {"set*heading", {"setheading", "seth"}},
        {"*shown", {"shown", "shown?", "visible?"}},
        {"nosuchprimitive", {"@nosuchprimitive@"}},
        {"set*nosuchproperty", {"set@nosuchproperty@"}},
    };
    for (const auto& [key, names] : cases) EXPECT_EQ(registrationNames(key), names) << key;
}

TEST(Registration, OneDescriptorPerNameOrPerLiteral)
{
    tLogoTab table;
    RegisterByKey<tProcDesc>(table, "forward", 1, uint8_t{0});
    RegisterLiteral<tProcDesc>(table, "<unary ->", 1, uint8_t{3});
    ASSERT_NE(table.FindEntry(std::string_view("fd")), nullptr);
    EXPECT_NE(table.FindEntry(std::string_view("FORWARD")), table.FindEntry(std::string_view("fd")));
    EXPECT_EQ(static_cast<tProcDesc*>(table.FindEntry(std::string_view("fd")))->inputs, 1);
    EXPECT_EQ(static_cast<tProcDesc*>(table.FindEntry(std::string_view("<unary ->")))->binding, 3);
    EXPECT_EQ(insertionOrder(table).size(), 3u);
}

class VariableTable : public ::testing::Test {
protected:
    void SetUp() override
    {
        createValuePools();
        setRunningLogoProcess(true);
    }
    void TearDown() override { setRunningLogoProcess(false); }
    tLogoVarTab table;
};

TEST_F(VariableTable, APooledTemporaryIsNeverStoredItself)
{
    tlogoobject* temporary = NewInteger(5);
    ASSERT_TRUE(temporary->pooled);
    EXPECT_FALSE(table.SetValue(7, temporary));
    tlogoobject* stored = table.GetValue(7);
    EXPECT_FALSE(stored->pooled);
    EXPECT_EQ(stored->AsInteger(), 5);
    EXPECT_EQ(valuePoolLevels().integers, kValuePoolSize);  // the temporary went back
    EXPECT_EQ(static_cast<tLogoVarDesc*>(table.FindEntry(7u))->valueKind, 1);

    // A second assignment of a temporary overwrites the stored object in place.
    EXPECT_TRUE(table.SetValue(7, NewInteger(6)));
    EXPECT_EQ(table.GetValue(7), stored);
    EXPECT_EQ(stored->AsInteger(), 6);
}

// Long texts are never pooled, so storing one keeps the word itself instead of copying its text;
// a piece cut out of one stays exact.
TEST_F(VariableTable, ALongWordIsStoredItself)
{
    const std::string text = std::string(kPooledWordLength, 'a') + "bc";
    tLogoString* word = NewLiteralWord(std::string(text));
    EXPECT_FALSE(word->pooled);
    EXPECT_FALSE(table.SetValue(8, word));
    EXPECT_EQ(table.GetValue(8), word);
    tLogoRef<tlogoobject> rest(word->ButFirst());
    EXPECT_FALSE(rest->pooled);
    EXPECT_EQ(rest->WordText(), text.substr(1));
    tLogoRef<tlogoobject> shortPiece(NewLiteralWord(std::string_view(text).substr(0, kPooledWordLength)));
    EXPECT_TRUE(shortPiece->pooled);
}

TEST_F(VariableTable, DefineAndSetValueManageTheUnsavedFlag)
{
    EXPECT_FALSE(table.Define(8, new tLogoString("a"), kNotSavedUntilSet | kHidden));
    tTabDesc* entry = table.FindEntry(8u);
    EXPECT_EQ(entry->flags, kNotSavedUntilSet | kHidden);
    EXPECT_TRUE(table.Define(8, new tLogoString("b"), kNeverListed));
    EXPECT_EQ(entry->flags, kHidden | kNeverListed);
    table.Define(8, new tLogoString("c"), kNotSavedUntilSet);
    table.SetValue(8, new tLogoString("d"));
    EXPECT_EQ(entry->flags & kNotSavedUntilSet, 0);
    EXPECT_EQ(table.GetValue(8)->WordText(), "d");
}

TEST_F(VariableTable, MissingNamesFailWithTheTablesKey)
{
    tLogoEventTab events;
    tLogoObjectsTab objects;
    tLogoPagesTab pages;
    EXPECT_EQ(raisedKey([&] { table.GetValue(99); }), erNoVal);
    EXPECT_EQ(raisedKey([&] { table.Erase(99); }), erNoVal);
    EXPECT_EQ(raisedKey([&] { events.GetEntry(99u); }), erUnDefEvenet);
    EXPECT_EQ(raisedKey([&] { events.Erase(99); }), erNoVal);
    EXPECT_EQ(raisedKey([&] { objects.GetValue(99); }), erNoObject);
    EXPECT_EQ(raisedKey([&] { pages.GetValue(99); }), erPageNotExist);
    EXPECT_EQ(table.FindValue(99), nullptr);
    table.Define(5, nullptr, 0);
    EXPECT_EQ(raisedKey([&] { table.GetValue(5); }), erNoVal);  // an entry without a value
}

TEST_F(VariableTable, SetIfDifferentKeepsAnExactlyEqualValue)
{
    table.SetValue(3, new tLogoString("Abc"));
    tlogoobject* before = table.GetValue(3);
    EXPECT_FALSE(table.SetIfDifferent(3, new tLogoString("Abc")));
    EXPECT_EQ(table.GetValue(3), before);
    EXPECT_TRUE(table.SetIfDifferent(3, new tLogoString("abc")));
    EXPECT_EQ(table.GetValue(3)->WordText(), "abc");
}

TEST_F(VariableTable, PagesKeepAMovableOrder)
{
    tLogoPagesTab pages;
    for (uint32_t code : {21u, 22u, 23u}) pages.Define(code, new tLogoInt(static_cast<int32_t>(code)), 0);
    EXPECT_EQ(pages.PositionOf(23), 3);
    EXPECT_EQ(pages.PositionOf(99), -1);
    pages.MoveToPosition(23, 1);
    EXPECT_EQ(insertionOrder(pages), (std::vector<uint32_t>{23, 21, 22}));
    pages.MoveToPosition(23, 3);
    EXPECT_EQ(insertionOrder(pages), (std::vector<uint32_t>{21, 22, 23}));
}

TEST_F(VariableTable, ObjectTablesReplaceEntriesOnDefine)
{
    tLogoObjectsTab objects;
    objects.Define(4, new tLogoString("first"), 0);
    tTabDesc* firstEntry = objects.FindEntry(4u);
    EXPECT_EQ(firstEntry->printable, 0);
    EXPECT_TRUE(objects.Define(4, new tLogoString("second"), 0));
    EXPECT_NE(objects.FindEntry(4u), nullptr);
    EXPECT_EQ(objects.GetValue(4)->WordText(), "second");
}

}  // namespace
