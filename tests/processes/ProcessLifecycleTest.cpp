#include "ScriptedProcess.h"

#include "processes/programClosing.h"
#include "processes/tLogoAssocProcess.h"
#include "processes/tInterpreterLock.h"
#include "processes/tQueuedWindowThread.h"
#include "processes/tallthreads.h"
#include "language/Language.h"
#include "values/eLogoException.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

using namespace std::chrono_literals;

class ProcessLifecycle : public ::testing::Test {
protected:
    void TearDown() override
    {
        EXPECT_TRUE(stopEveryProcess());
    }

    std::shared_ptr<tScriptedProcess> start(tScriptedProcess::Body body, std::string name = "worker")
    {
        tProcessStart start;
        start.name = std::move(name);
        start.commander = commander;
        return tLogoprocess::Start<tScriptedProcess>(std::move(start), std::move(body));
    }

    std::shared_ptr<tRecordingCommander> commander = std::make_shared<tRecordingCommander>();
};

TEST_F(ProcessLifecycle, AProcessIsRegisteredUntilItsWorkEnds)
{
    tSyncEvent proceed(tSyncEvent::kManualReset, false);
    auto process = start([&](tScriptedProcess& self) { self.WaitOnStop(0); proceed.Wait(); });
    EXPECT_EQ(tallthreads::Instance().Count(), 1u);
    proceed.Set();
    process->WaitForEnd();
    EXPECT_TRUE(process->Finished());
    EXPECT_FALSE(process->stoppedSignal.IsSet());
    EXPECT_EQ(tallthreads::Instance().Count(), 0u);
    EXPECT_TRUE(commander->Each(&tRecordingCommander::tReport::text).empty());
}

TEST_F(ProcessLifecycle, StopEndsTheProcessAtItsNextYieldPointQuietly)
{
    auto process = start(tScriptedProcess::loopForever);
    ASSERT_TRUE(eventually([&] { return process->passes > 10; }));
    process->StopAndWait();
    EXPECT_TRUE(process->stoppedSignal.IsSet());
    EXPECT_TRUE(process->Finished());
    EXPECT_TRUE(commander->Each(&tRecordingCommander::tReport::text).empty());
    process->Stop();  // stopping an ended process changes nothing
    EXPECT_TRUE(process->Finished());
}

TEST_F(ProcessLifecycle, AStopEndsAWaitAtOnceAndAnUnstoppedWaitLastsItsTime)
{
    auto sleeper = start([](tScriptedProcess& self) { self.WaitOnStop(tSyncEvent::kWaitForever); });
    ASSERT_TRUE(eventually([&] { return sleeper->Running(); }));
    auto started = std::chrono::steady_clock::now();
    sleeper->StopAndWait();
    EXPECT_LT(std::chrono::steady_clock::now() - started, 5s);
    EXPECT_TRUE(sleeper->stoppedSignal.IsSet());

    std::atomic<bool> woke{false};
    started = std::chrono::steady_clock::now();
    auto napper = start([&](tScriptedProcess& self) { self.WaitOnStop(30); woke = true; });
    napper->WaitForEnd();
    EXPECT_TRUE(woke);
    EXPECT_GE(std::chrono::steady_clock::now() - started, 30ms);
}

// A paused process stays at its yield point with the interpreter lock given up, so others
// (here the test itself) can interpret; resumed, it goes on.
TEST_F(ProcessLifecycle, PauseHoldsAProcessAtItsYieldPointAndResumeLetsItGoOn)
{
    auto process = start(tScriptedProcess::loopForever);
    ASSERT_TRUE(eventually([&] { return process->passes > 0; }));
    process->Pause();
    int frozen;
    {
        tInterpreterLock::Holder held;  // only obtainable once the process has stopped at its gate
        frozen = process->passes;
    }
    std::this_thread::sleep_for(30ms);
    EXPECT_EQ(process->passes, frozen);
    EXPECT_TRUE(process->Paused());
    process->Resume();
    EXPECT_TRUE(eventually([&] { return process->passes > frozen + 10; }));
}

TEST_F(ProcessLifecycle, APausedProcessCanStillBeStopped)
{
    auto process = start(tScriptedProcess::loopForever);
    ASSERT_TRUE(eventually([&] { return process->passes > 0; }));
    process->Pause();
    { tInterpreterLock::Holder held; }  // obtainable once the process waits at its gate
    process->StopAndWait();
    EXPECT_TRUE(process->stoppedSignal.IsSet());
}

struct Failure {
    const char* label;
    std::function<void()> raise;
    std::string shown;
};

class ProcessFailures : public ProcessLifecycle, public ::testing::WithParamInterface<Failure> {};

TEST_P(ProcessFailures, AFailureEndsOnlyItsProcessAndIsShownThroughItsCommander)
{
    auto bystander = start(tScriptedProcess::loopForever, "bystander");
    auto failing = start([](tScriptedProcess& self) {
        self.YieldAtListRun();
        GetParam().raise();
    });
    failing->WaitForEnd();
    int before = bystander->passes;
    EXPECT_TRUE(eventually([&] { return bystander->passes > before + 10; }));
    EXPECT_EQ(commander->Each(&tRecordingCommander::tReport::text), std::vector<std::string>{GetParam().shown});
    EXPECT_TRUE(commander->lastAbortedFirst);
    EXPECT_FALSE(failing->stoppedSignal.IsSet());
}

INSTANTIATE_TEST_SUITE_P(Kinds, ProcessFailures,
                         ::testing::Values(Failure{"LogoError", [] { throw eLogoException("refused", nullptr); }, "refused"},
                                           Failure{"OtherException", [] { throw std::runtime_error("broken"); }, "broken"}),
                         [](const auto& info) { return std::string(info.param.label); });

// Where the error is shown to have happened: in the process (of its kind and name), or in
// the event of an event process, unless a procedure already recorded itself.
TEST_F(ProcessLifecycle, AnErrorNamesItsProcessUnlessAProcedureRecordedItself)
{
    struct Case {
        tInprocType kind;
        const char* trigger;
        bool insideProcedure;
        tInprocType shownKind;
        const char* shownPlace;
    };
    const Case cases[] = {
        {ipLaunch, nullptr, false, ipLaunch, "walker"},
        {ipEvent, "onclick", false, ipEvent, "onclick"},
        {ipForever, nullptr, true, ipProc, "square"},
    };
    for (const Case& c : cases) {
        auto recording = std::make_shared<tRecordingCommander>();
        tProcessStart start;
        start.name = "walker";
        start.kind = c.kind;
        start.trigger = c.trigger ? nameCode(c.trigger) : 0;
        start.commander = recording;
        auto process = tLogoprocess::Start<tScriptedProcess>(std::move(start), [&](tScriptedProcess&) {
            eLogoException error(erBadValue);
            if (c.insideProcedure)
                error.SetContext(nameCode("square"), nullptr, 3, ipProc);
            throw error;
        });
        process->WaitForEnd();
        EXPECT_EQ(recording->Each(&tRecordingCommander::tReport::kind), std::vector<tInprocType>{c.shownKind});
        EXPECT_EQ(recording->Each(&tRecordingCommander::tReport::place), std::vector<std::string>{c.shownPlace});
    }
}

std::mutex endedGuard;
std::vector<std::string> endedBeforeFinishing;

void recordEnd(tLogoprocess& process)
{
    std::lock_guard<std::mutex> hold(endedGuard);
    if (!process.Finished())
        endedBeforeFinishing.push_back(process.Name());
}

TEST_F(ProcessLifecycle, EndHooksRunForEveryProcessHoweverItEnds)
{
    static bool added = (addProcessEndHook(recordEnd), true);
    (void)added;
    {
        std::lock_guard<std::mutex> hold(endedGuard);
        endedBeforeFinishing.clear();  // the hook stays for the whole program
    }
    start([](tScriptedProcess&) {}, "quiet")->WaitForEnd();
    start([](tScriptedProcess&) { throw std::runtime_error("broken"); }, "failing")->WaitForEnd();
    start(tScriptedProcess::loopForever, "stopped")->StopAndWait();
    std::lock_guard<std::mutex> hold(endedGuard);
    EXPECT_EQ(endedBeforeFinishing, (std::vector<std::string>{"quiet", "failing", "stopped"}));
}

// A process given no code (here the window start-up one) just ends.
TEST_F(ProcessLifecycle, OnlyTheWindowStartupProcessIsAssociated)
{
    tProcessStart startup;
    startup.name = "@startup";
    startup.kind = ipStartup;
    startup.commander = commander;
    auto associated = tLogoprocess::Start<tLogoAssocProcess>(std::move(startup));
    auto plain = start([](tScriptedProcess&) {});
    EXPECT_TRUE(associated->IsAssociated());
    EXPECT_FALSE(plain->IsAssociated());
    associated->WaitForEnd();
    plain->WaitForEnd();
    EXPECT_TRUE(commander->Each(&tRecordingCommander::tReport::text).empty());
}

class CompletionRoutines : public ProcessLifecycle {
protected:
    void SetUp() override { installWindowThread(&window); }
    void TearDown() override
    {
        ProcessLifecycle::TearDown();
        setProgramClosing(false);
        installWindowThread(nullptr);
    }

    std::shared_ptr<tScriptedProcess> startWithCompletion(std::function<void()> routine)
    {
        tProcessStart start;
        start.name = "finisher";
        start.commander = commander;
        start.completion.routine = std::move(routine);
        return tLogoprocess::Start<tScriptedProcess>(std::move(start), [](tScriptedProcess& self) { self.YieldAtListRun(); });
    }

    tQueuedWindowThread window;
};

TEST_F(CompletionRoutines, RunOnTheWindowThreadWhileItWaitsForTheEnd)
{
    std::thread::id ranOn;
    bool leftRegistry = false;
    auto process = startWithCompletion([&] {
        ranOn = std::this_thread::get_id();
        leftRegistry = tallthreads::Instance().Count() == 0;
    });
    process->WaitForEnd();  // on the window thread: serves the hand-over meanwhile
    EXPECT_EQ(ranOn, std::this_thread::get_id());
    EXPECT_TRUE(leftRegistry);
}

TEST_F(CompletionRoutines, AreSkippedOnceTheProgramIsClosing)
{
    setProgramClosing(true);
    bool ran = false;
    auto process = startWithCompletion([&] { ran = true; });
    process->WaitForEnd();
    window.RunPending();
    EXPECT_FALSE(ran);
}

}  // namespace
