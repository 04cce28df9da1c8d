#include "ScriptedProcess.h"

#include "interpreter/tProcessContext.h"
#include "language/Language.h"
#include "processes/programClosing.h"
#include "processes/tInterpreterLock.h"
#include "values/tListBuilder.h"
#include "processes/tallthreads.h"
#include "values/tLogoRef.h"
#include "values/tLogoString.h"
#include "values/valuePools.h"

#include <gtest/gtest.h>

namespace {

using namespace std::chrono_literals;

class ProcessRegistry : public ::testing::Test {
protected:
    static void SetUpTestSuite() { switchLanguage(""); }

    void TearDown() override
    {
        EXPECT_TRUE(stopEveryProcess());
    }

    static tallthreads& registry() { return tallthreads::Instance(); }

    std::shared_ptr<tScriptedProcess> start(std::string name, tScriptedProcess::Body body = tScriptedProcess::loopForever,
                                            tlogoobject* startObject = nullptr, tCompletion completion = {})
    {
        tProcessStart start;
        start.name = std::move(name);
        start.commander = commander;
        start.startObject = startObject;
        start.completion = std::move(completion);
        auto process = tLogoprocess::Start<tScriptedProcess>(std::move(start), std::move(body));
        EXPECT_TRUE(eventually([&] { return process->Running(); }));
        return process;
    }

    // A body that runs `work` once, as a process, then loops until stopped.
    static tScriptedProcess::Body doing(std::function<void(tScriptedProcess&)> work, std::atomic<bool>& done)
    {
        return [work, &done](tScriptedProcess& self) {
            work(self);
            done = true;
            tScriptedProcess::loopForever(self);
        };
    }

    static bool keepsRunning(tScriptedProcess& process)
    {
        int before = process.passes;
        return eventually([&] { return process.passes > before + 5; });
    }

    std::shared_ptr<tRecordingCommander> commander = std::make_shared<tRecordingCommander>();
};

TEST_F(ProcessRegistry, CountsNamesAndFindsProcessesAsWords)
{
    auto first = start("walker");
    auto second = start("walker1");
    EXPECT_EQ(registry().Count(), 2u);

    struct Case {
        const char* base;
        const char* unique;
    };
    for (Case c : {Case{"walker", "walker2"}, Case{"WALKER", "WALKER2"}, Case{"runner", "runner"}, Case{"walker1", "walker11"}})
        EXPECT_EQ(registry().UniqueName(c.base), c.unique) << c.base;

    EXPECT_TRUE(registry().Exists("Walker"));
    EXPECT_FALSE(registry().Exists("walk"));
    auto namedInEnglish = start("launch");
    EXPECT_TRUE(registry().Exists("\xB7launch")) << "a language-neutral name is translated first";
    first->StopAndWait();
    EXPECT_FALSE(registry().Exists("walker"));
    EXPECT_EQ(registry().Count(), 2u);
}

TEST_F(ProcessRegistry, StopByNameEndsEveryProcessOfThatNameOnly)
{
    auto a = start("Ticker");
    auto b = start("ticker");
    auto other = start("other");
    EXPECT_FALSE(registry().StopByName("TICKER"));
    EXPECT_TRUE(a->Finished());
    EXPECT_TRUE(b->Finished());
    EXPECT_TRUE(keepsRunning(*other));
}

TEST_F(ProcessRegistry, StopByNameLeavesTheCallerOfThatNameRunningAndSaysSo)
{
    auto twin = start("twin");
    std::atomic<bool> done{false};
    std::atomic<bool> callerHasName{false};
    auto caller = start("twin", doing([&](tScriptedProcess&) { callerHasName = registry().StopByName("twin"); }, done));
    ASSERT_TRUE(eventually([&] { return done.load(); }));
    EXPECT_TRUE(callerHasName);
    EXPECT_TRUE(twin->Finished());
    EXPECT_TRUE(keepsRunning(*caller));
}

TEST_F(ProcessRegistry, StopAllSparesTheCallerAndTheProtectedProcesses)
{
    auto plain = start("plain");
    auto keeper = start("%p%keeper");
    std::atomic<bool> done{false};
    auto caller = start("stopper", doing([](tScriptedProcess&) { registry().StopAll(); }, done));
    ASSERT_TRUE(eventually([&] { return done.load(); }));
    EXPECT_TRUE(plain->Finished());
    EXPECT_TRUE(keepsRunning(*keeper));
    EXPECT_TRUE(keepsRunning(*caller));
    EXPECT_EQ(registry().Count(), 2u);
}

// A process that, like the typed-line runner, survives stops: each stop ends only what it
// runs now. Asking it twice would end the next piece of work too.
class tStopCountingProcess : public tScriptedProcess {
public:
    using tScriptedProcess::tScriptedProcess;
    bool OutlivesStops() const override { return true; }
    void Stop() override { ++stops; }
    void WaitUntilStopped() override {}
    std::atomic<int> stops{0};
};

TEST_F(ProcessRegistry, StopAllAsksEachProcessOnce)
{
    tProcessStart start;
    start.name = "runner";
    start.commander = commander;
    std::atomic<bool> leave{false};
    auto runner = tLogoprocess::Start<tStopCountingProcess>(std::move(start), [&leave](tScriptedProcess& self) {
        while (!leave) self.YieldAtListRun();
    });
    ASSERT_TRUE(eventually([&] { return runner->Running(); }));
    auto plain = this->start("plain");
    registry().StopAll();
    EXPECT_EQ(runner->stops.load(), 1);
    EXPECT_TRUE(plain->Finished());
    leave = true;
    ASSERT_TRUE(eventually([&] { return runner->Finished(); }));
}

TEST_F(ProcessRegistry, PauseAllFromAProcessPausesItTooAndANewProcessResumesAll)
{
    auto bystander = start("bystander");
    std::atomic<bool> paused{false};
    auto pauser = start("pauser", doing([](tScriptedProcess&) { registry().PauseAll(); }, paused));
    ASSERT_TRUE(eventually([&] { return paused.load(); }));
    ASSERT_TRUE(eventually([&] { return bystander->Paused() && pauser->Paused(); }));
    int frozenBystander = bystander->passes;
    int frozenPauser = pauser->passes;
    std::this_thread::sleep_for(30ms);
    EXPECT_LE(bystander->passes, frozenBystander + 1);
    EXPECT_LE(pauser->passes, frozenPauser + 1);

    std::atomic<bool> resumed{false};
    start("resumer", doing([](tScriptedProcess&) { registry().ResumeAll(); }, resumed));
    ASSERT_TRUE(eventually([&] { return resumed.load(); }));
    EXPECT_TRUE(keepsRunning(*bystander));
    EXPECT_TRUE(keepsRunning(*pauser));
}

TEST_F(ProcessRegistry, ForgettingAnObjectStopsItsProcessesAndCancelsRoutinesOnIt)
{
    tLogoRef<tlogoobject> doomed(NewWord("doomed"));
    tLogoRef<tlogoobject> survivor(NewWord("survivor"));
    auto inDoomed = start("inDoomed", tScriptedProcess::loopForever, doomed.get());
    auto inSurvivor = start("inSurvivor", tScriptedProcess::loopForever, survivor.get());
    std::atomic<bool> completionRan{false};
    auto watcher = start("watcher", tScriptedProcess::loopForever, survivor.get(),
                         tCompletion{[&] { completionRan = true; }, doomed.get()});
    std::atomic<bool> erased{false};
    auto eraser = start("eraser", doing([&](tScriptedProcess&) { registry().ForgetObject(doomed.get()); }, erased),
                        doomed.get());

    ASSERT_TRUE(eventually([&] { return erased.load(); }));
    EXPECT_TRUE(inDoomed->Finished());
    EXPECT_TRUE(eraser->ownObjectDestroyed);
    EXPECT_TRUE(keepsRunning(*eraser));
    EXPECT_TRUE(keepsRunning(*inSurvivor));
    EXPECT_FALSE(inSurvivor->ownObjectDestroyed);
    watcher->StopAndWait();
    EXPECT_FALSE(completionRan);
}

// A process addressing the object (its current object, not its start object) is stopped too;
// one that only holds it among its receivers or in a saved context lets go of it there.
TEST_F(ProcessRegistry, ForgettingAnObjectClearsItFromTheContextsOfTheOthers)
{
    tInterpreterLock::Instance().Lock();
    tLogoRef<tlogoobject> doomed(NewWord("doomed"));
    tLogoRef<tlogoobject> survivor(NewWord("survivor"));
    tInterpreterLock::Instance().Unlock();
    std::atomic<bool> ready{false};
    auto holder = start("holder", doing([&](tScriptedProcess&) {
        tProcessContext& context = *currentContext();
        context.PushAskInto(doomed.get());
        context.PushAskInto(survivor.get());
        tListBuilder receivers;
        receivers.Append(doomed.get());
        receivers.Append(survivor.get());
        context.receivers = receivers.Take();
        context.lastCreated = doomed.get();
    }, ready));
    std::atomic<bool> addressing{false};
    auto addresser = start("addresser", doing([&](tScriptedProcess&) { currentContext()->PushAskInto(doomed.get()); },
                                              addressing));
    ASSERT_TRUE(eventually([&] { return ready && addressing; }));

    std::string receiversLeft;
    bool savedContextCleared = false;
    std::atomic<bool> erased{false};
    start("eraser", doing([&](tScriptedProcess&) {
        registry().ForgetObject(doomed.get());
        tProcessContext& seen = *holder->Context();
        receiversLeft = seen.receivers->PrintText(0);
        savedContextCleared = seen.askStack.back().currentObject == nullptr && seen.lastCreated == nullptr;
    }, erased));
    ASSERT_TRUE(eventually([&] { return erased.load(); }));
    EXPECT_TRUE(addresser->Finished());
    EXPECT_TRUE(keepsRunning(*holder));
    EXPECT_EQ(receiversLeft, "survivor");
    EXPECT_TRUE(savedContextCleared);
}

// An event handler's caller waits for its end without holding the lock, and ends when it is
// stopped itself while waiting.
TEST_F(ProcessRegistry, ACallerAwaitsItsHandlerUnlessItIsStopped)
{
    std::atomic<bool> handlerDone{false};
    std::atomic<bool> callerWoke{false};
    start("caller", [&](tScriptedProcess&) {
        tProcessStart handler;
        handler.name = "@handler";
        handler.kind = ipEvent;
        tLogoprocess::Start<tScriptedProcess>(std::move(handler), [&](tScriptedProcess& self) {
            self.WaitOnStop(20);
            handlerDone = true;
        })->AwaitAsHandler();
        callerWoke = handlerDone.load();
    })->WaitForEnd();
    EXPECT_TRUE(callerWoke);

    auto waiting = start("waiting", [&](tScriptedProcess&) {
        tProcessStart handler;
        handler.name = "@stuck";
        tLogoprocess::Start<tScriptedProcess>(std::move(handler), tScriptedProcess::loopForever)->AwaitAsHandler();
        callerWoke = true;
    });
    callerWoke = false;
    ASSERT_TRUE(eventually([&] { return registry().Exists("@stuck"); }));
    waiting->StopAndWait();
    EXPECT_FALSE(callerWoke);
    EXPECT_TRUE(waiting->stoppedSignal.IsSet());
    EXPECT_TRUE(registry().Exists("@stuck"));
}

TEST_F(ProcessRegistry, KillAllForgetsEveryProcessAndAsksThemToStopWithoutCompletions)
{
    std::atomic<bool> completed{false};
    auto a = start("a", tScriptedProcess::loopForever, nullptr, tCompletion{[&] { completed = true; }, nullptr});
    auto b = start("b", [](tScriptedProcess& self) { self.WaitOnStop(tSyncEvent::kWaitForever); });
    registry().KillAll();
    EXPECT_EQ(registry().Count(), 0u);
    EXPECT_TRUE(a->StopRequested());
    a->WaitForEnd();
    b->WaitForEnd();
    setProgramClosing(false);
    EXPECT_TRUE(b->stoppedSignal.IsSet());
    EXPECT_FALSE(completed);
}

}  // namespace
