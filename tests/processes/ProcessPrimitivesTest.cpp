#include "LogoProcessWorld.h"

#include "interpreter/Evaluator.h"
#include "interpreter/tProcessContext.h"
#include "processes/processPrimitives.h"
#include "processes/tInterpreterLock.h"
#include "processes/tSpecialProcess.h"
#include "processes/tQueuedWindowThread.h"
#include "values/errorConst.h"

#include "values/tLogoString.h"
#include "values/valuePools.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>

namespace {

using namespace std::chrono_literals;

class ProcessPrimitives : public ::testing::Test {
protected:
    bool printedEventually(const std::string& text)
    {
        return eventually([&] { return world.Printed() == text; });
    }

    tLogoProcessWorld world;
};

TEST_F(ProcessPrimitives, ALaunchedListIsNamedByItsTextAndIsDoneWhenItEnds)
{
    world.Run("launch [wait 100000]");
    world.Run("print allprocesses print done? [wait 100000]");
    EXPECT_EQ(world.Printed(), "[wait 100000] runner\nfalse\n");
    world.Run("cancel [wait 100000] print done? [wait 100000]");
    EXPECT_EQ(world.Printed(), "[wait 100000] runner\nfalse\ntrue\n");
    EXPECT_EQ(tallthreads::Instance().Count(), 0u);
}

TEST_F(ProcessPrimitives, NamesProcessesWithTheirLastInputAndReportsTheCallersName)
{
    world.Run("(launch [print processname] \"walker)");
    EXPECT_TRUE(printedEventually("walker\n"));
    world.Run("print processname");
    EXPECT_EQ(world.Printed(), "walker\nrunner\n");
}

TEST_F(ProcessPrimitives, ChecksTheirInputs)
{
    struct Case {
        const char* line;
        errorConst key;
    };
    const Case cases[] = {
        {"(launch)", erNotEnoughInputs},
        {"(forever [print 1] \"a \"b)", erTooManyInputs},
        {"(every 10)", erNotEnoughInputs},
        {"(after 10 [print 1] \"a \"b)", erTooManyInputs},
        {"(launch [print 1] \"||)", erBadValue},
        {"(launch [print 1] \"@mine)", erBadValue},
        {"(bye 1 2)", erTooManyInputs},
    };
    std::vector<int> expected;
    for (const Case& c : cases) {
        world.Run(c.line);
        expected.push_back(c.key);
        EXPECT_EQ(world.ErrorKeys(), expected) << c.line;
    }
    EXPECT_EQ(world.Printed(), "");
    EXPECT_EQ(tallthreads::Instance().Count(), 0u);
}

TEST_F(ProcessPrimitives, LaunchedCodeSeesTheLocalsOfItsLauncherAsTheyWere)
{
    world.Define("to starter :v\nlaunch [wait 20 print :v] \"seer\nmake \"v \"changed\nend");
    world.Run("starter \"original");
    EXPECT_TRUE(printedEventually("original\n"));
}

TEST_F(ProcessPrimitives, OutputAtTheTopOfALaunchedListFailsAndStopEndsItQuietly)
{
    world.Run("launch [output 1 print \"no]");
    world.Run("launch [stop print \"no]");
    EXPECT_TRUE(eventually([] { return tallthreads::Instance().Count() == 0; }));
    EXPECT_EQ(world.ErrorKeys(), std::vector<int>{erWrongPlace});
    EXPECT_EQ(world.Printed(), "");
}

TEST_F(ProcessPrimitives, AnErrorInAForeverProcessEndsOnlyThatProcess)
{
    world.Run("make \"n 0 (forever [make \"n :n + 1] \"counter)");
    world.Run("(forever [nosuchprocedure] \"broken)");
    EXPECT_TRUE(eventually([&] { return world.ErrorKeys() == std::vector<int>{erDoNotKnowHowTo}; }));
    // The error is shown before the failed process has left the registry.
    EXPECT_TRUE(eventually([] { return !tallthreads::Instance().Exists("broken"); }));
    int before = world.GlobalInteger("n");
    EXPECT_TRUE(eventually([&] { return world.GlobalInteger("n") > before + 100; }));
}

TEST_F(ProcessPrimitives, EveryWithNoIntervalRunsBackToBackAndAfterWaitsOnce)
{
    world.Run("make \"n 0 make \"m 0 (every 0 [make \"n :n + 1] \"ticker) (after 30 [make \"m :m + 1] \"later)");
    EXPECT_TRUE(eventually([&] { return world.GlobalInteger("n") > 200; }));
    EXPECT_TRUE(eventually([&] { return world.GlobalInteger("m") == 1; }));
    EXPECT_TRUE(eventually([] { return !tallthreads::Instance().Exists("later"); }));
    EXPECT_TRUE(tallthreads::Instance().Exists("ticker"));
}

TEST_F(ProcessPrimitives, CancelOfTheCallersOwnNameEndsTheOthersAndThenTheCaller)
{
    world.Run("(forever [make \"x 1] \"twin)");
    world.Run("(launch [cancel \"twin print \"survived] \"twin)");
    EXPECT_TRUE(eventually([] { return tallthreads::Instance().Count() == 0; }));
    EXPECT_EQ(world.Printed(), "");
    EXPECT_TRUE(world.ErrorKeys().empty());
}

TEST_F(ProcessPrimitives, StopallSparesProtectedProcessesAndEndsTheCaller)
{
    world.Run("(forever [make \"a 1] \"plain) (forever [make \"b 1] \"%p%keeper)");
    world.Run("(launch [stopall print \"after] \"stopper)");
    EXPECT_TRUE(eventually([] { return tallthreads::Instance().Count() == 1; }));
    EXPECT_TRUE(tallthreads::Instance().Exists("%p%keeper"));
    EXPECT_EQ(world.Printed(), "");
}

TEST_F(ProcessPrimitives, StopmeEndsTheCallerOnly)
{
    world.Run("(launch [stopme print \"no] \"quitter) print \"yes");
    EXPECT_TRUE(eventually([] { return tallthreads::Instance().Count() == 0; }));
    EXPECT_EQ(world.Printed(), "yes\n");
}

TEST_F(ProcessPrimitives, PauseallPausesTheCallerTooAndAProcessStartedLaterResumesAll)
{
    world.Run("(launch [pauseall repeat 1 [print \"resumed]] \"pauser)");
    std::this_thread::sleep_for(30ms);
    EXPECT_EQ(world.Printed(), "");
    world.Run("(launch [resumeall] \"waker)");
    EXPECT_TRUE(printedEventually("resumed\n"));
}

TEST_F(ProcessPrimitives, RuncriticalLetsOneProcessAtATimeIntoASection)
{
    world.Run("(launch [runcritical \"s [print \"a1 wait 50 print \"a2]] \"first)");
    ASSERT_TRUE(printedEventually("a1\n"));
    world.Run("(launch [runcritical \"S [print \"b1 print \"b2]] \"second)");
    EXPECT_TRUE(printedEventually("a1\na2\nb1\nb2\n"));
    world.Run("print runcritical \"s [3 + 4]");
    EXPECT_TRUE(printedEventually("a1\na2\nb1\nb2\n7\n"));
}

TEST_F(ProcessPrimitives, AStopWhileWaitingForASectionEndsTheWaitingProcess)
{
    // The holder says when it is inside the section: on a busy machine it may start late.
    world.Run("(launch [runcritical \"gate [print \"holding wait 100000]] \"holder)");
    ASSERT_TRUE(printedEventually("holding\n"));
    world.Run("(launch [runcritical \"gate [print \"entered]] \"waiter)");
    world.Run("cancel \"waiter");
    EXPECT_FALSE(tallthreads::Instance().Exists("waiter"));
    EXPECT_TRUE(tallthreads::Instance().Exists("holder"));
    world.Run("cancel \"holder (launch [runcritical \"gate [print \"free]] \"later)");
    EXPECT_TRUE(printedEventually("holding\nfree\n"));
}

TEST_F(ProcessPrimitives, ByeClosesTheMainWindowOnTheWindowThread)
{
    tQueuedWindowThread window;
    installWindowThread(&window);
    std::thread::id closedOn;
    setMainWindowCloser([&] { closedOn = std::this_thread::get_id(); });
    auto runner = world.Launch("bye");
    runner->WaitForEnd();
    EXPECT_EQ(closedOn, std::this_thread::get_id());
    setMainWindowCloser({});
    installWindowThread(nullptr);
}

TEST_F(ProcessPrimitives, LoaderProcessesHandTheirFileToTheLoadPrimitives)
{
    const std::string existing = ::testing::TempDir() + "project.zxp";
    std::ofstream(existing) << "print 1";
    auto load = [&](auto loader, const std::string& fileName) {
        tInterpreterLock::Holder held;
        tProcessStart start;
        start.name = "@load";
        start.code = NewWord(fileName);
        start.commander = world.commander;
        return loader(std::move(start));
    };
    auto startup = [](tProcessStart start) { return tLogoprocess::Start<tLoadProcess>(std::move(start)); };
    auto opening = [](tProcessStart start) { return tLogoprocess::Start<tdotLoadProcess>(std::move(start)); };
    load(startup, "*exe.bin")->WaitForEnd();
    load(startup, existing)->WaitForEnd();
    load(startup, existing + ".missing")->WaitForEnd();
    load(opening, "elsewhere.zxp")->WaitForEnd();
    EXPECT_EQ(world.Printed(), "load *exe.bin\nload " + existing + "\n.load elsewhere.zxp\n");
    EXPECT_TRUE(world.ErrorKeys().empty());
    std::remove(existing.c_str());
}

// With the check installed, Logo run by a thread without the interpreter lock stops a checked
// build at once instead of racing the processes.
TEST(ProcessPrimitivesDeathTest, RunningLogoWithoutTheLockIsCaught)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    tLogoProcessWorld world;
    EXPECT_DEBUG_DEATH(
        {
            tProcessContext context(&world.globals, &world.main);
            tContextScope scope(context);
            RunText("make \"x 1");
        },
        "lockHeldByCaller");
}

}  // namespace
