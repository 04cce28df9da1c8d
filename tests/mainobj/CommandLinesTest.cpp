#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <vector>

#include "interpreter/tProcessContext.h"
#include "language/Language.h"
#include "mainobj/startInterpreter.h"
#include "mainobj/tCommandLines.h"
#include "mainobj/tMainLogoObject.h"
#include "mainobj/tTextOutput.h"
#include "processes/tCommander.h"
#include "values/eLogoException.h"

namespace {

class tCapturingOutput : public tTextOutput {
public:
    explicit tCapturingOutput(std::string& into) : into_(into) {}
    void Write(std::string_view text) override { into_.append(text); }

private:
    std::string& into_;
};

class tRecordingCommander : public tCommander {
public:
    void ShowError(const std::exception& error) override
    {
        auto* logoError = dynamic_cast<const eLogoException*>(&error);
        errors.push_back(logoError ? logoError->key : -1);
    }
    void Print(const std::string& text) override { printed.push_back(text); }
    std::string ReadLine() override { return {}; }
    void Abort() override {}

    std::vector<int> errors;
    std::vector<std::string> printed;
};

// The interpreter once per test program, and a top-level context on the test's thread.
class CommandLinesTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { startInterpreter(); }

    CommandLinesTest()
        : context(mainLogoObject().globalVarTable.get(), &mainLogoObject(), true), scope(context), lines(commander)
    {
        mainLogoObject().SelectOutput(std::make_unique<tCapturingOutput>(output));
    }
    ~CommandLinesTest() override { mainLogoObject().SelectOutput(nullptr); }

    void Feed(std::initializer_list<const char*> text)
    {
        for (const char* line : text) lines.Feed(line);
    }

    std::string output;
    tRecordingCommander commander;
    tProcessContext context;
    tContextScope scope;
    tCommandLines lines;
};

TEST_F(CommandLinesTest, ADefinitionIsCollectedUntilItsEndAndThenDefined)
{
    Feed({"to triple :x", "; a comment", "output 3 * :x", "  END  ", "print triple 5"});
    EXPECT_EQ(output, "15\r\n");
    EXPECT_TRUE(commander.errors.empty());
}

TEST_F(CommandLinesTest, AnErrorIsReportedAndTheNextLineRuns)
{
    Feed({"print nosuchthing", "; only a comment", "print 2"});
    EXPECT_EQ(commander.errors, std::vector<int>{erDoNotKnowHowTo});
    EXPECT_EQ(output, "2\r\n");
}

TEST_F(CommandLinesTest, ThrowToTheTopLevelEndsTheLineQuietly)
{
    Feed({"throw \"toplevel print 1", "print 2"});
    EXPECT_TRUE(commander.errors.empty());
    EXPECT_EQ(output, "2\r\n");
}

TEST_F(CommandLinesTest, ADefinitionForAnObjectGoesIntoThatObject)
{
    Feed({"newclass [] \"shape []", "shape'to area", "output 7", "end"});
    EXPECT_TRUE(commander.errors.empty());
    EXPECT_NE(static_cast<tmultiobject*>(mainLogoObject().FindOwn(nameCode("shape")))->procTable->Lookup(nameCode("area")),
              nullptr);
    EXPECT_EQ(mainLogoObject().procTable->Lookup(nameCode("area")), nullptr);
    Feed({"nobody'to area", "output 1", "end"});
    EXPECT_EQ(commander.errors, std::vector<int>{erNoObject});
}

TEST_F(CommandLinesTest, AnUnfinishedDefinitionIsDefinedAtTheEndOfTheText)
{
    Feed({"to unfinished", "output 4"});
    lines.Finish();
    Feed({"print unfinished"});
    EXPECT_EQ(output, "4\r\n");
}

TEST_F(CommandLinesTest, TimingReportsEachCommandWhileSwitchedOn)
{
    Feed({"showtime \"true", "print 1", "showtime \"false", "print 2"});
    ASSERT_EQ(commander.printed.size(), 2u);
    // Seconds with three decimals; a loaded machine may take a millisecond or more.
    EXPECT_TRUE(std::regex_match(commander.printed[0], std::regex(".* [0-9]+\\.[0-9]{3}"))) << commander.printed[0];
}

}  // namespace
