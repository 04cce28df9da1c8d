#include <gtest/gtest.h>

#include <vector>

#include "LogoTestWorld.h"
#include "interpreter/Evaluator.h"
#include "interpreter/tCompiledForm.h"
#include "language/Language.h"
#include "values/LogoReader.h"
#include "values/tLogoList.h"

namespace {

class InstructionCompilerTest : public ::testing::Test {
protected:
    void SetUp() override { startLogoForTests(); }

    // The kinds and after-parenthesis flags of the text compiled as instructions.
    std::vector<std::pair<int, int>> Shape(const char* text, int mode = tCompiledForm::kInstructions)
    {
        list = tLogoRef<tLogoList>(ListFromText(text, mode == tCompiledForm::kLines));
        std::vector<std::pair<int, int>> shape;
        for (const tToken& token : CompiledForm(list.get(), mode).tokens) shape.push_back({token.kind, token.afterParen});
        return shape;
    }
    tCompiledForm& Form() { return *static_cast<tCachedForm*>(list->compiled.get())->form; }

    tLogoRef<tLogoList> list;
};

using Tokens = std::vector<std::pair<int, int>>;

TEST_F(InstructionCompilerTest, ElementsAreClassifiedByTheirText)
{
    EXPECT_EQ(Shape("print 3 \"w :v [l] x1A true"),
              (Tokens{{tkName, 0}, {tkLiteral, 0}, {tkLiteral, 0}, {tkVariable, 0}, {tkLiteral, 0}, {tkLiteral, 0},
                     {tkLiteral, 0}, {tkEnd, 0}}));
    EXPECT_EQ(Shape("( ) * / + - < = > <= >= <> %"),
              (Tokens{{tkOpen, 0}, {tkClose, 1}, {tkMultiplicative, 0}, {tkMultiplicative, 0}, {tkAdditive, 0},
                     {tkAdditive, 0}, {tkComparison, 0}, {tkComparison, 0}, {tkComparison, 0}, {tkComparison, 0},
                     {tkComparison, 0}, {tkComparison, 0}, {tkName, 0}, {tkEnd, 0}}));
    // A quoted word's literal is the text after the quote; a variable names the text after ":".
    Shape("\"abc :speed");
    EXPECT_EQ(Form().tokens[0].value->WordText(), "abc");
    EXPECT_EQ(Form().tokens[1].code, nameCode("speed"));
}

TEST_F(InstructionCompilerTest, QualifiersAndInheritedCallsCarryTheParenthesisFlag)
{
    EXPECT_EQ(Shape("(box'pen'up 1) usual'walk 'setup"),
              (Tokens{{tkOpen, 0}, {tkQualifier, 1}, {tkQualifier, 1}, {tkName, 1}, {tkLiteral, 0}, {tkClose, 0},
                     {tkInherited, 0}, {tkQualifier, 0}, {tkName, 0}, {tkEnd, 0}}));
    EXPECT_EQ(Form().tokens[1].code, nameCode("box"));
    EXPECT_EQ(Form().tokens[3].code, nameCode("up"));
    EXPECT_EQ(Form().tokens[6].code, nameCode("walk"));
    EXPECT_EQ(Form().tokens[7].code, nameCode(primaryWord("class", "main")));
    // An inherited call passes the flag on as a qualifier does.
    EXPECT_EQ(Shape("(usual'walk"), (Tokens{{tkOpen, 0}, {tkInherited, 1}, {tkEnd, 1}}));
}

TEST_F(InstructionCompilerTest, ModesShapeTheForm)
{
    EXPECT_EQ(Shape("print 1\rprint 2", tCompiledForm::kLines),
              (Tokens{{tkName, 0}, {tkLiteral, 0}, {tkName, 0}, {tkLiteral, 0}, {tkEnd, 0}}));
    EXPECT_EQ(Shape("1 2 [a] 3 [b] [c]", tCompiledForm::kClauses), (Tokens{{tkLiteral, 0}, {tkEnd, 0}}));
    EXPECT_EQ(Form().HeaderMode(), 1);
    EXPECT_EQ(Form().tokens[0].value->PrintText(0), "[1 [a]] [2 [a]] [3 [b]] [[c]]");
    // Asking for another mode rebuilds the cache.
    CompiledForm(list.get(), tCompiledForm::kInstructions);
    EXPECT_EQ(Form().mode, tCompiledForm::kInstructions);
    EXPECT_EQ(Form().tokens.size(), 7u);
}

TEST_F(InstructionCompilerTest, TemplateBodiesReferToTheirInputs)
{
    EXPECT_EQ(Shape("% * %2 + %x", tCompiledForm::kTemplateLines),
              (Tokens{{tkVariable, 0}, {tkMultiplicative, 0}, {tkVariable, 0}, {tkAdditive, 0}, {tkName, 0}, {tkEnd, 0}}));
}

}  // namespace
