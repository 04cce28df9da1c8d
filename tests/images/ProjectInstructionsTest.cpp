#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "images/projects/projectInstructions.h"
#include "language/Language.h"
#include "values/eLogoException.h"

namespace {

// "pour"/"fin" stand for a language's own synonyms, replaced by the primary "to"/"end".
tDefinitionWords fixtureWords()
{
    return {[](std::string_view w) { return w == "to" || w == "pour" || w == "\xB7other\xB7to"; },
            [](std::string_view w) { return w == "end" || w == "fin" || w == "\xB7other\xB7" "end"; }, "to", "end"};
}

std::vector<std::string> instructionsOf(std::string_view text)
{
    tProjectInstructions reader(text, fixtureWords());
    std::vector<std::string> result;
    std::string instruction;
    while (reader.Next(instruction))
        result.push_back(instruction);
    return result;
}

using Lines = std::vector<std::string>;

struct tCase {
    const char* what;
    std::string text;
    Lines expected;
};

TEST(ProjectInstructions, CutsTheTextByItsLineDiscipline)
{
    const std::vector<tCase> cases = {
        {"blocks joined with blanks", "\r\n\r\nmake \"a\r\n\t[1 2]\r\n\r\n\r\nprint :a\r\n", {"make \"a  [1 2]", "print :a"}},
        {"line mode", ";!\nprint 1\nprint 2\n\nprint 3", {";!", "print 1", "print 2", "print 3"}},
        {"first line continued switches to line mode", "print ~\n1\nprint 2\n", {"print  1", "print 2"}},
        {"later continuation keeps block mode", "print 1\nprint ~\n2\n", {"print 1 print  2"}},
        {"lone CR ends a line", "print 1\r\rprint 2", {"print 1", "print 2"}},
        {"definition ends the block before it", "t'.setstate. [\n\tcolor 3\n]\nto sq :n\n  fd :n\nend\n\nprint 1\n",
         {"t'.setstate. [  color 3 ]", "to sq :n\xB6  fd :n\xB6" "end", "print 1"}},
        {"own synonyms become the primary words", "pour x\n  print 1\n  fin\n", {"to x\xB6  print 1\xB6" "end"}},
        {"neutral spellings", "\xB7other\xB7to y\n\xB7other\xB7" "end\n", {"to y\xB6" "end"}},
        {"owner prefix kept", "#2'to go\nfd 1\nend\nfd 2\n", {"#2'to go\xB6" "fd 1\xB6" "end", "fd 2"}},
        {"empty lines inside a definition kept", "to z\n\nprint 1\nend\n", {"to z\xB6\xB6print 1\xB6" "end"}},
        {"a word starting with to is no definition", "toss 1\n", {"toss 1"}},
        {"byte 26 ends the text", "print 1\n\x1A\nprint 2\n", {"print 1"}},
        {"NUL ends the text", std::string("print 1\n\0print 2\n", 18), {"print 1"}},
        {"nothing but line ends", "\r\n\r\n", {}},
    };
    for (const tCase& c : cases)
        EXPECT_EQ(instructionsOf(c.text), c.expected) << c.what;
}

TEST(ProjectInstructions, ModeIsKnownFromTheFirstLine)
{
    EXPECT_TRUE(tProjectInstructions("\r\n;!\r\nx", fixtureWords()).lineMode());
    EXPECT_FALSE(tProjectInstructions("; a comment\r\n", fixtureWords()).lineMode());
}

TEST(ProjectInstructions, ControlCharacterStopsAtItsLineAfterTheInstructionsBefore)
{
    tProjectInstructions reader("print 1\n\nprint \x01 2\n\nprint 3\n", fixtureWords());
    std::string instruction;
    ASSERT_TRUE(reader.Next(instruction));
    EXPECT_EQ(instruction, "print 1");
    try {
        reader.Next(instruction);
        FAIL() << "no error";
    } catch (const eLogoException& error) {
        EXPECT_EQ(error.key, erZembrixProject);
    }
}

TEST(ProjectInstructions, DefinitionsKeepTheirOwnerAndLinesApart)
{
    const std::vector<std::tuple<std::string, std::string, std::string>> cases = {
        {"to a\n  fd 1\nend\n", "", "to a\r\n  fd 1\r\nend"},
        {"  #2'pour b :x\n\tfd :x\n fin \n", "#2", "to b :x\r\n fd :x\r\nend"}};
    for (const auto& [text, owner, lines] : cases) {
        tProjectInstructions reader(text, fixtureWords());
        std::string instruction;
        ASSERT_TRUE(reader.Next(instruction));
        EXPECT_TRUE(reader.isDefinition());
        EXPECT_EQ(reader.definitionOwner(), owner);
        EXPECT_EQ(reader.definitionText(), lines);
    }
    tProjectInstructions plain("print 1\n", fixtureWords());
    std::string instruction;
    ASSERT_TRUE(plain.Next(instruction));
    EXPECT_FALSE(plain.isDefinition());
}

TEST(ProjectInstructions, SkipsCommentsEmptiesAndTheStartupLaunch)
{
    const std::vector<std::pair<std::string, bool>> cases = {
        {"", true}, {"; name: \"x\"", true}, {"main'launch [startup]", true},
        {"print 1", false}, {"launch [startup] print 1", false}};
    for (const auto& [instruction, skipped] : cases)
        EXPECT_EQ(skippedInstruction(instruction), skipped) << instruction;
}

TEST(ProjectInstructions, VerboseEchoIsCut)
{
    EXPECT_EQ(echoedInstruction(std::string(160, 'a')), std::string(160, 'a'));
    EXPECT_EQ(echoedInstruction(std::string(161, 'a')), std::string(160, 'a') + "...");
}

TEST(ProjectInstructions, LanguageWordsOpenAndCloseDefinitions)
{
    switchLanguage("");
    tProjectInstructions reader("TO x\nprint 1\nEnd\nprint 2\n", currentDefinitionWords());
    std::string instruction;
    ASSERT_TRUE(reader.Next(instruction));
    EXPECT_EQ(instruction, "to x\xB6print 1\xB6" "end");
    ASSERT_TRUE(reader.Next(instruction));
    EXPECT_EQ(instruction, "print 2");
}

}  // namespace
