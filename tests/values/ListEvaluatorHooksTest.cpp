#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ListTestSupport.h"
#include "language/Language.h"
#include "values/tCompiledCode.h"
#include "values/tLogoTab.h"
#include "values/tProcDesc.h"

namespace {

// Records what the list layer asks of the evaluator.
struct tRecordedCode : tCompiledCode {
    explicit tRecordedCode(int mode) : mode(mode) {}
    int mode;
};

int compilations = 0;
std::vector<std::string> visits;

tCompiledCode* recordCompile(tLogoList&, int mode)
{
    ++compilations;
    return new tRecordedCode(mode);
}

bool firstElementIsTrue(tLogoList& list) { return list.first->WordText() == "yes"; }

void recordForEach(tLogoList& list, uint32_t, tlogoobject* instructions)
{
    visits.push_back(list.PrintText(0) + " / " + instructions->PrintText(0));
}

class ListEvaluatorHooks : public testing::Test {
protected:
    static void SetUpTestSuite() { setUpListLayer(); }

    void SetUp() override
    {
        compilations = 0;
        visits.clear();
    }

    tEvaluatorOverride evaluator{
        {.compile = recordCompile, .condition = firstElementIsTrue, .forEach = recordForEach}};
};

TEST_F(ListEvaluatorHooks, CompiledFormIsCachedPerMode)
{
    tLogoRef<tLogoList> list = listOf("[fd 10]");
    tCompiledCode* first = list->Compile(0);
    EXPECT_EQ(list->Compile(0), first);
    EXPECT_EQ(compilations, 1);
    EXPECT_EQ(static_cast<tRecordedCode*>(list->Compile(3))->mode, 3);
    EXPECT_EQ(compilations, 2);
}

TEST_F(ListEvaluatorHooks, NotNegatesTheCondition)
{
    EXPECT_FALSE(listOf("[yes]")->Not());
    EXPECT_TRUE(listOf("[no]")->Not());
}

TEST_F(ListEvaluatorHooks, ForEachSkipsTheEmptyList)
{
    listOf("[]")->ForEach(1, valueOf("[print 1]").get());
    listOf("[a b]")->ForEach(1, valueOf("[print 1]").get());
    EXPECT_EQ(visits, std::vector<std::string>{"a b / print 1"});
}

TEST_F(ListEvaluatorHooks, MissingEvaluatorIsAnInternalError)
{
    setListEvaluator({});
    EXPECT_THROW(listOf("[fd 10]")->Compile(0), eLogoException);
    EXPECT_THROW(listOf("[yes]")->Not(), eLogoException);
    EXPECT_THROW(listOf("[a]")->ForEach(1, valueOf("[]").get()), eLogoException);
}

TEST_F(ListEvaluatorHooks, LinesPrintOneAfterAnother)
{
    EXPECT_EQ(listOf("[[fd 10] [] [rt [90]]]")->LinesPrintText(), "fd 10\r\n\r\nrt [90]\r\n");
}

// A list made before its table was rebuilt (a language switch renumbers names) answers through
// the new table.
TEST_F(ListEvaluatorHooks, ListsMadeEarlierAnswerThroughTheCurrentTable)
{
    tLogoTab* saved = listMethodTable();
    tLogoTab replacement;
    auto* descriptor = new tProcDesc(nameCode("count"), 0, 0);
    replacement.PutEntry(descriptor);
    int level = -1;
    {
        tLogoRef<tLogoList> list = listOf("[a b]");
        setListMethodTable(&replacement);
        EXPECT_EQ(list->LookupMethod(nameCode("count"), level), descriptor);
        EXPECT_EQ(level, 0);
        setListMethodTable(saved);
        EXPECT_NE(list->LookupMethod(nameCode("count"), level), descriptor);
    }
}

}  // namespace
