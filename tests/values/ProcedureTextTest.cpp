#include "values/ProcedureText.h"

#include <gtest/gtest.h>

#include "ListTestSupport.h"
#include "values/tLogoString.h"

namespace {

class ProcedureText : public testing::Test {
protected:
    static void SetUpTestSuite() { setUpListLayer(); }
};

TEST_F(ProcedureText, LinesOfAListBody)
{
    tLogoRef<tLogoList> body = listOf("[[repeat 4 [fd :size rt 90]] [print |a b|] []]");
    EXPECT_EQ(procedureDefinitionText("square", {"size", "colour"}, std::nullopt, body.get()),
              "to square :size :colour\r\n repeat 4 [fd :size rt 90]\r\n print |a b|\r\n \r\nend");
}

TEST_F(ProcedureText, RestInputShowsItsDefaultCount)
{
    tLogoRef<tLogoList> body = listOf("[[output :values]]");
    EXPECT_EQ(procedureDefinitionText("all", {"values"}, 2, body.get()),
              "to all :values [2]\r\n output :values\r\nend");
}

TEST_F(ProcedureText, WordBodyIsOneLineInSourceForm)
{
    tLogoRef<tlogoobject> body(new tLogoString("print 1"));
    EXPECT_EQ(procedureDefinitionText("p", {}, std::nullopt, body.get()), "to p\r\n|print 1|\r\nend");
    tLogoRef<tLogoList> empty(new tLogoList);
    EXPECT_EQ(procedureDefinitionText("q", {}, std::nullopt, empty.get()), "to q\r\nend");
}

}  // namespace
