#include <gtest/gtest.h>

#include "LogoTestWorld.h"
#include <stdexcept>

#include "interpreter/CatchThrow.h"
#include "interpreter/ErrorMessages.h"
#include "interpreter/ProcedureDefinition.h"
#include "interpreter/objectResolution.h"
#include "interpreter/tProcessContext.h"
#include "language/Language.h"
#include "values/LogoReader.h"
#include "values/eTerminateException.h"
#include "values/tLogoList.h"

namespace {

class ErrorReportTest : public ::testing::Test {
protected:
    tLogoTestWorld world;
};

TEST_F(ErrorReportTest, PlaceholdersAreFilledFromTheError)
{
    tLogoRef<tLogoList> culprit(ListFromText("1 2", false));
    eLogoException error(erUser, culprit.get());
    error.message = "c=#c H=#H h=#h L=#L a=#a b=#b p=#p F=#F P=#P other=#x end#";
    error.line = 3;
    error.lowerBound = -1;
    error.upperBound = 255;
    error.needingProcedure = "item";
    error.fileText = "pic.lgf";
    error.procedureName = "walk";
    FormatMessage(error);
    EXPECT_EQ(error.message, "c=1 2 H=[1 2] h=1 2 L=3 a=-1 b=255 p=item F=pic.lgf P=walk other=#x end#");
    EXPECT_TRUE(error.formatted);
    // Formatting happens once.
    error.culprit = nullptr;
    FormatMessage(error);
    EXPECT_EQ(error.message.substr(0, 7), "c=1 2 H");
}

TEST_F(ErrorReportTest, CulpritFallsBackToItsNameThenNil)
{
    eLogoException named(erNoVal, tCulpritName{nameCode("speed")});
    EXPECT_EQ(FillPlaceholders("#c #H", named), "speed speed");
    eLogoException none(erUser);
    EXPECT_EQ(FillPlaceholders("#H", none), "<nil>");
}

TEST_F(ErrorReportTest, ProcedureShowsItsOwnerUnlessItIsTheWindow)
{
    static tlogoobject* window = nullptr;
    tObjectResolution resolution;
    resolution.objectName = [](tlogoobject*) { return std::string("t1"); };
    resolution.isCurrentWindow = [](tlogoobject* object) { return object == window; };
    setObjectResolution(resolution);
    eLogoException error(erUser);
    error.procedureName = "walk";
    error.owner = &world.main;
    EXPECT_EQ(FillPlaceholders("#P", error), "t1'walk");
    window = &world.main;
    EXPECT_EQ(FillPlaceholders("#P", error), "walk");
    setObjectResolution({});
}

TEST_F(ErrorReportTest, CaptionsFollowTheContextKind)
{
    eLogoException error(erUser);
    error.procedureName = "walk";
    EXPECT_EQ(ContextCaption(error, "Base #P"), "Base walk");
    error.contextKind = ipProc;
    EXPECT_EQ(ContextCaption(error, "Base"), FillPlaceholders(uiString("ErrorCaptions", "errorinproc"), error));
    error.line = 4;
    EXPECT_EQ(ContextCaption(error, "Base"), FillPlaceholders(uiString("ErrorCaptions", "ipProc"), error));
    EXPECT_NE(ContextCaption(error, "Base").find('4'), std::string::npos);
    error.contextKind = ipEvent;
    EXPECT_EQ(ContextCaption(error, "Base"), FillPlaceholders(uiString("ErrorCaptions", "ipEvent"), error));
}

TEST_F(ErrorReportTest, MessageWithBreakReplacesTheFirstLineBreak)
{
    eLogoException error(erUser);
    error.message = "one\r\ntwo\r\nthree";
    EXPECT_EQ(MessageWithBreak(error, " | "), "one | two\r\nthree");
    EXPECT_EQ(MessageLines(error), (std::vector<std::string>{"one", "two", "three"}));
    std::runtime_error other("plain");
    EXPECT_EQ(MessageLines(other), std::vector<std::string>{"plain"});
}

TEST_F(ErrorReportTest, ErrorLineSkipsCommentsAndDescendsIntoLists)
{
    world.Define("to walk\nprint 1\n; a comment\nmake \"a 2\nrepeat 2 [print :nosuch]\nprint 4\nend");
    eLogoException error = world.ErrorOf("walk");
    EXPECT_EQ(error.key, erNoVal);
    EXPECT_EQ(error.procedureName, "walk");
    EXPECT_EQ(error.contextKind, ipProc);
    EXPECT_EQ(error.owner, &world.main);
    EXPECT_EQ(error.line, 3);
    EXPECT_EQ(world.printed, "1\n");
}

TEST_F(ErrorReportTest, ErrorLineIsTheLineOfTheFailingToken)
{
    const struct {
        const char* definition;
        int32_t line;
    } cases[] = {
        {"to g\nprint 1\nprint 2\nfoo\nend", 3},
        {"to g\nprint 1 foo\nend", 1},
        {"to g\nprint 1\nprint 1 / 0\nprint 2\nend", 2},
        {"to g\nprint 1\nprint :nosuch\nprint 2\nend", 2},
        {"to g\nprint 1\n7\nprint 2\nend", 2},
    };
    for (const auto& c : cases) {
        world.Define(c.definition);
        EXPECT_EQ(world.ErrorOf("g").line, c.line) << c.definition;
    }
    // A procedure defined from a list counts the lines of its generated text.
    tLogoRef<tLogoList> definition(ListFromText("[[] [print 1] [repeat 2 [print 3]] [foo]]", false));
    DefineFromList(*world.main.methods, "fromlist", definition->first);
    EXPECT_EQ(world.ErrorOf("fromlist").line, 3);
}

TEST_F(ErrorReportTest, ErrorLineFollowsTheInputListThatRan)
{
    world.Define("to choose :c :d\nprint 1\nifelse :c [\nprint 2\nifelse :d [\nfirstfails] [\nsecondfails]\n] [\n"
                 "print 3\nthirdfails\n]\nend");
    const struct {
        const char* call;
        int32_t line;
        const char* culprit;
    } cases[] = {
        {"choose \"true \"true", 5, "firstfails"},
        {"choose \"true \"false", 6, "secondfails"},
        {"choose \"false \"true", 9, "thirdfails"},
    };
    for (const auto& c : cases) {
        eLogoException error = world.ErrorOf(c.call);
        EXPECT_EQ(codeName(error.culpritName), c.culprit) << c.call;
        EXPECT_EQ(error.line, c.line) << c.call;
    }
}

TEST_F(ErrorReportTest, InnermostProcedureIsRecorded)
{
    world.Define("to inner\nprint 1 / 0\nend");
    world.Define("to outer\nprint 0\ninner\nend");
    eLogoException error = world.ErrorOf("outer");
    EXPECT_EQ(error.key, erDiv0);
    EXPECT_EQ(error.procedureName, "inner");
    EXPECT_EQ(error.line, 1);
    EXPECT_EQ(error.needingProcedure, "/");
}

TEST_F(ErrorReportTest, CatchAndThrowMatching)
{
    const struct {
        const char* line;
        const char* printed;
    } cases[] = {
        {"catch \"x [throw \"x print 1] print 2", "2\n"},
        {"catch \"X [throw \"x] print 3", "3\n"},
        {"catch \"x [catch \"error [throw \"x] print 1] print 4", "4\n"},
        {"catch \"error [print 1 / 0] print 5", "5\n"},
        {"catch \"toplevel [throw \"toplevel] print 6", "6\n"},
        {"catch \"x [catch \"y [throw \"x] print 1] print 7", "7\n"},
    };
    for (const auto& c : cases) EXPECT_EQ(world.Run(c.line), c.printed) << c.line;
    EXPECT_EQ(world.context->catchTags.size(), 0u);
}

TEST_F(ErrorReportTest, UncaughtThrows)
{
    EXPECT_EQ(world.ErrorOf("throw \"nobody").key, erNoCatch);
    EXPECT_EQ(world.ErrorOf("catch \"x [throw \"y]").key, erNoCatch);
    EXPECT_THROW(world.Run("catch \"x [throw \"toplevel] print 1"), eTerminateException);
    EXPECT_EQ(world.printed, "");
    // An error catch does not catch the return to the top level.
    EXPECT_THROW(world.Run("catch \"error [throw \"toplevel]"), eTerminateException);
}

TEST_F(ErrorReportTest, CaughtErrorIsRecorded)
{
    world.Run("catch \"error [print sum 1 nosuch]");
    const tCaughtError& record = world.context->caughtError;
    EXPECT_TRUE(record.caught);
    EXPECT_EQ(record.key, erDoNotKnowHowTo);
    EXPECT_EQ(record.message, "I don't know how to nosuch");
    EXPECT_EQ(codeName(record.culpritName), "nosuch");
    EXPECT_EQ(world.context->stack.height(), 0);
}

}  // namespace
