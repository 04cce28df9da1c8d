#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <unistd.h>

#include "LogoTestWorld.h"
#include "interpreter/tLogoLocaltab.h"
#include "language/DictionaryCoding.h"
#include "language/Language.h"
#include "language/ProgramFile.h"
#include "values/strictOption.h"
#include "values/tLogoList.h"
#include "values/tProcDesc.h"
#include "values/valueMethodTables.h"

namespace {

class ValueMethodTableTest : public ::testing::Test {
protected:
    tLogoTestWorld world;
};

tProcDesc* method(tLogoTab* table, const char* name)
{
    return static_cast<tProcDesc*>(table->Lookup(nameCode(name)));
}

TEST_F(ValueMethodTableTest, EntriesFollowTheClassTable)
{
    const tValueMethodTables& tables = valueMethodTables();
    struct {
        const char* name;
        bool word, integer, real, boolean;
    } presence[] = {
        {"count", true, true, true, true},     {"not", true, true, false, true},
        {"bitnot", true, true, false, true},   {"+", true, true, true, false},
        {"<unary ->", true, true, true, false}, {"div", true, true, true, true},
        {"sqrt", true, true, true, false},     {"foreach", true, true, true, true},
        {"lessp", true, true, true, true},     {"<>", true, true, true, true},
    };
    for (const auto& p : presence) {
        EXPECT_EQ(method(tables.word, p.name) != nullptr, p.word) << p.name;
        EXPECT_EQ(method(tables.integer, p.name) != nullptr, p.integer) << p.name;
        EXPECT_EQ(method(tables.real, p.name) != nullptr, p.real) << p.name;
        EXPECT_EQ(method(tables.boolean, p.name) != nullptr, p.boolean) << p.name;
    }
    struct {
        const char* name;
        uint8_t binding;
    } bindings[] = {{"<", 2}, {"<>", 2}, {"<unary +>", 3}, {"-", 4}, {"/", 5}, {"less?", 0}, {"quotient", 0}};
    for (const auto& b : bindings) EXPECT_EQ(method(tables.word, b.name)->binding, b.binding) << b.name;
    EXPECT_TRUE(tables.word->shared && tables.integer->shared && tables.real->shared && tables.boolean->shared);
    EXPECT_TRUE(listMethodTable()->shared);
    EXPECT_NE(method(listMethodTable(), "deepitem"), nullptr);
    EXPECT_EQ(method(listMethodTable(), "<unary ->")->binding, 3);
}

TEST_F(ValueMethodTableTest, DispatchReachesTheClassOperation)
{
    const struct {
        const char* line;
        const char* printed;
    } cases[] = {
        {"print 3 + 4", "7\n"},
        {"print \"3 + 4", "7\n"},
        {"print 2 + 3.0", "5\n"},
        {"print count 12345", "5\n"},
        {"print first 3.5", "3\n"},
        {"print item 2 \"abc", "b\n"},
        {"print not \"false", "true\n"},
        {"print fput 1 [2]", "1 2\n"},
        {"print [1 2] + [10 20]", "11 22\n"},
        {"print - [1 2]", "-1 -2\n"},
        {"print [a b] = [a b]", "true\n"},
    };
    for (const auto& c : cases) EXPECT_EQ(world.Run(c.line), c.printed) << c.line;
    EXPECT_EQ(world.ErrorOf("print not 1").key, erNotBool);
}

TEST_F(ValueMethodTableTest, ForeachOverWordsAndLists)
{
    world.Define("to show :items\nforeach \"c :items [(print :c repcount)]\nend");
    EXPECT_EQ(world.Run("show \"abc"), "a 1\nb 2\nc 3\n");
    EXPECT_EQ(world.Run("show \"||"), "");
    EXPECT_EQ(world.Run("show [x [y]]"), "x 1\ny 2\n");
    EXPECT_EQ(world.Run("show []"), "");
    // Each character the body keeps stays as it was.
    world.Define("to keep :w\nmake \"kept []\nforeach \"c :w [make \"kept fput :c :kept]\nend");
    world.Run("keep \"abc");
    EXPECT_EQ(world.Global("kept")->PrintText(0), "c b a");
}

TEST_F(ValueMethodTableTest, ForeachInsideAProcedure)
{
    world.Define("to findb :w\nforeach \"c :w [if :c = \"b [output repcount]]\noutput 0\nend");
    EXPECT_EQ(world.Run("print findb \"abcb"), "2\n");
    EXPECT_EQ(world.Run("print findb \"xyz"), "0\n");
    // The loop variable is gone and the counter restored after the loop.
    EXPECT_EQ(world.context->localTable->FindEntry(nameCode("c")), nullptr);
    EXPECT_EQ(world.context->loopCounter, 0);
    EXPECT_EQ(world.ErrorOf("foreach \"c \"ab [print :c]").key, erWrongPlace);
}

TEST_F(ValueMethodTableTest, StrictLevelReachesWordOperations)
{
    EXPECT_EQ(world.Run("print item 10 \"abc"), "\n");
    setStrictLevel(1);
    eLogoException error = world.ErrorOf("print item 10 \"abc");
    setStrictLevel(0);
    EXPECT_EQ(error.key, erMinMax);
    EXPECT_EQ(error.needingProcedure, "item");
}

// A language file beside the program for the length of a test; english comes back at the end.
class tOtherLanguage {
public:
    explicit tOtherLanguage(std::string_view dictionary)
        : name_("zxvaluetables" + std::to_string(getpid())), path_(programFolder() + "/" + name_ + ".ldx")
    {
        std::vector<uint8_t> coded = encodeDictionaryText(dictionary);
        if (std::FILE* file = std::fopen(path_.c_str(), "wb")) {
            std::fwrite(coded.data(), 1, coded.size(), file);
            std::fclose(file);
        }
    }
    ~tOtherLanguage()
    {
        switchLanguage("");
        std::remove(path_.c_str());
    }
    const std::string& Name() const { return name_; }

private:
    std::string name_;
    std::string path_;
};

TEST(ValueMethodTableLanguageTest, ALanguageSwitchGivesTheTablesTheNewWords)
{
    startLogoForTests();
    {
        tOtherLanguage other("[dict]\nprint=print\nfirst=erste\ncount=zahl\nitem=element\n");
        ASSERT_TRUE(switchLanguage(other.Name()));
        tLogoTestWorld world;
        const struct {
            const char* line;
            const char* printed;
        } cases[] = {
            {"print erste \"abc", "a\n"},
            {"print erste 42", "4\n"},
            {"print zahl [x y z]", "3\n"},
            {"print element 2 [x y z]", "y\n"},
            {"print 2 + 3", "5\n"},
        };
        for (const auto& c : cases) EXPECT_EQ(world.Run(c.line), c.printed) << c.line;
        EXPECT_EQ(valueMethodTables().word->Lookup(nameCode("first")), nullptr);
    }
    // And back: the english words answer again.
    tLogoTestWorld world;
    EXPECT_EQ(world.Run("print first \"abc print count [x y z]"), "a\n3\n");
}

}  // namespace
