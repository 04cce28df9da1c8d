#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "interpreter/Evaluator.h"
#include "interpreter/tProcessContext.h"
#include "language/Language.h"
#include "mainobj/startInterpreter.h"
#include "mainobj/tMainLogoObject.h"
#include "objects/eventNames.h"
#include "objects/objectEvents.h"
#include "objects/objectLifecycle.h"
#include "processes/tCommander.h"
#include "processes/tInterpreterLock.h"
#include "processes/tallthreads.h"
#include "values/eLogoException.h"

namespace {

// What handler processes print and report, from whatever thread they run on.
struct tTranscript {
    std::mutex guard;
    std::string printed;
    std::vector<std::pair<int, std::string>> errors;  // key, where
};

class tTranscriptOutput : public tTextOutput {
public:
    explicit tTranscriptOutput(tTranscript& into) : into_(into) {}
    void Write(std::string_view text) override
    {
        std::lock_guard<std::mutex> hold(into_.guard);
        for (char c : text)
            if (c != '\r') into_.printed += c;
    }

private:
    tTranscript& into_;
};

class tTranscriptCommander : public tCommander {
public:
    explicit tTranscriptCommander(tTranscript& into) : into_(into) {}
    void ShowError(const std::exception& error) override
    {
        auto* logoError = dynamic_cast<const eLogoException*>(&error);
        std::lock_guard<std::mutex> hold(into_.guard);
        into_.errors.emplace_back(logoError ? logoError->key : -1, logoError ? logoError->procedureName : "");
    }
    void Print(const std::string&) override {}
    std::string ReadLine() override { return {}; }
    void Abort() override {}

private:
    tTranscript& into_;
};

// A process that fires an event and waits for its handler, as a moving turtle waits for
// "onBounce".
class tWaitingProcess : public tLogoprocess {
public:
    tWaitingProcess(tProcessStart start, tmultiobject* object) : tLogoprocess(std::move(start)), object(object) {}
    void RunOnce() override
    {
        fireEventAndWait(*object, eventCode(tEventKey::onBounce));
        RequestStop();
    }

private:
    tmultiobject* object;
};

tMainLogoObject& startedMain()
{
    static bool started = [] {
        startInterpreter();
        return true;
    }();
    (void)started;
    return mainLogoObject();
}

// The real main object, with the test thread holding the interpreter lock as a command line
// does; handlers fired as processes run on their own threads.
class EventFiringTest : public ::testing::Test {
protected:
    EventFiringTest()
    {
        main.SelectOutput(std::make_unique<tTranscriptOutput>(transcript));
        setDefaultCommander(std::make_shared<tTranscriptCommander>(transcript));
        context = std::make_unique<tProcessContext>(main.globalVarTable.get(), &main, true);
        scope = std::make_unique<tContextScope>(*context);
        RunText("newclass [] \"dog [] new \"dog [name rex]");
        rex = main.FindOwn(nameCode("rex"));
    }
    ~EventFiringTest() override
    {
        main.objects->EraseAll(0);
        scope.reset();
        context.reset();
        main.SelectOutput(nullptr);
        setDefaultCommander(nullptr);
    }

    std::string Printed()
    {
        std::lock_guard<std::mutex> hold(transcript.guard);
        return transcript.printed;
    }

    tMainLogoObject& main = startedMain();
    tInterpreterLock::Holder lock;
    tTranscript transcript;
    std::unique_ptr<tProcessContext> context;
    std::unique_ptr<tContextScope> scope;
    tmultiobject* rex = nullptr;
};

TEST_F(EventFiringTest, AHandlerRunsAsAProcessOfItsOwnInTheObject)
{
    RunText("ask \"dog [setevent \"onclick [local \"n make \"n myname print :n print processname]]");
    std::shared_ptr<tLogoprocess> process = fireEvent(*rex, eventCode(tEventKey::onClick));
    ASSERT_NE(process, nullptr);
    EXPECT_EQ(process->Name(), "@rexonclick");
    EXPECT_EQ(process->Kind(), ipEvent);
    process->WaitForEnd();
    EXPECT_EQ(Printed(), "rex\n@rexonclick\n");
    EXPECT_TRUE(transcript.errors.empty());
}

TEST_F(EventFiringTest, NothingToRunCompletesAtOnce)
{
    struct tCase {
        const char* setUp;
    };
    for (tCase each : {tCase{""}, tCase{"ask \"rex [setevent \"onclick []]"},
                       tCase{"ask \"dog [setevent \"onclick [print 1]] ask \"rex [setevent \"onclick []]"}}) {
        SCOPED_TRACE(each.setUp);
        RunText(each.setUp);
        bool completed = false;
        EXPECT_EQ(fireEvent(*rex, eventCode(tEventKey::onClick), {[&] { completed = true; }, rex}), nullptr);
        EXPECT_TRUE(completed);
    }
    EXPECT_EQ(Printed(), "");
}

TEST_F(EventFiringTest, TheCompletionFollowsTheHandlersEnd)
{
    RunText("ask \"rex [setevent \"onclean [print \"handler]]");
    std::atomic<bool> completed{false};
    std::string printedBefore;
    std::shared_ptr<tLogoprocess> process = fireEvent(*rex, eventCode(tEventKey::onClean), {[&] {
        printedBefore = Printed();
        completed = true;
    }, rex});
    ASSERT_NE(process, nullptr);
    process->WaitForEnd();
    EXPECT_TRUE(completed);
    EXPECT_EQ(printedBefore, "handler\n");
}

TEST_F(EventFiringTest, AnErrorEndsOnlyTheHandlersProcess)
{
    RunText("ask \"rex [setevent \"onbounce [print 1 / 0 print \"after]]");
    fireEventAndWait(*rex, eventCode(tEventKey::onBounce));
    ASSERT_EQ(transcript.errors.size(), 1u);
    EXPECT_EQ(transcript.errors[0], (std::pair<int, std::string>{erDiv0, "onbounce"}));
    RunText("ask \"rex [setevent \"onbounce [print \"again]]");
    fireEventAndWait(*rex, eventCode(tEventKey::onBounce));
    EXPECT_EQ(Printed(), "again\n");
}

TEST_F(EventFiringTest, AWaitingProcessStillEndsWhenStopped)
{
    RunText("ask \"rex [setevent \"onbounce [repeat 1000000 [wait 1]]]");
    tProcessStart start;
    start.name = "mover";
    std::shared_ptr<tWaitingProcess> mover = tLogoprocess::Start<tWaitingProcess>(std::move(start), rex);
    // Budgets far beyond what the steps take, so that only a real hang fails on a loaded machine.
    constexpr auto kPatience = std::chrono::seconds(60);
    bool handlerStarted = false;
    bool ended = false;
    {
        tInterpreterLock::Releaser released;
        const auto deadline = std::chrono::steady_clock::now() + kPatience;
        while (!(handlerStarted = tallthreads::Instance().Exists("@rexonbounce")) && !mover->Finished() &&
               std::chrono::steady_clock::now() < deadline)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        mover->Stop();
        ended = mover->endedSignal.Wait(static_cast<uint32_t>(std::chrono::milliseconds(kPatience).count()));
    }
    EXPECT_TRUE(handlerStarted);
    EXPECT_TRUE(transcript.errors.empty());
    EXPECT_TRUE(ended) << "running " << mover->Running() << ", stop requested " << mover->StopRequested();
    EXPECT_TRUE(tallthreads::Instance().Exists("@rexonbounce"));
    RunText("eraseobject \"rex");
    EXPECT_FALSE(tallthreads::Instance().Exists("@rexonbounce"));
}

TEST_F(EventFiringTest, DestroyingTheObjectStopsItsHandler)
{
    RunText("ask \"rex [setevent \"onclick [repeat 1000000 [wait 1]]]");
    std::shared_ptr<tLogoprocess> process = fireEvent(*rex, eventCode(tEventKey::onClick));
    ASSERT_NE(process, nullptr);
    RunText("eraseobject \"rex");
    EXPECT_TRUE(process->Finished());
    EXPECT_TRUE(transcript.errors.empty());
}

TEST_F(EventFiringTest, OnlyTheMarkedEntryIsLeftOutOfTheObjectsText)
{
    RunText("ask \"rex [setevent \"onclick [print 1] setevent \"onpush [print 2] .donotsaveevent \"onclick]");
    auto flags = [&](const char* event) { return rex->eventTable->Lookup(nameCode(event))->flags & kNotSaved; };
    EXPECT_TRUE(flags("onclick"));
    EXPECT_FALSE(flags("onpush"));
}

TEST_F(EventFiringTest, PersistentObjectsAreErasedOnlyWhenAllowed)
{
    rex->persistent = true;
    try {
        RunText("eraseobject \"rex");
        FAIL() << "erased";
    } catch (const eLogoException& error) {
        EXPECT_EQ(error.key, erErasePersistent);
    }
    EXPECT_EQ(main.FindOwn(nameCode("rex")), rex);
    setPersistentErasing(true);
    RunText("erasecomplete \"rex");
    setPersistentErasing(false);
    EXPECT_EQ(main.FindOwn(nameCode("rex")), nullptr);
}

TEST_F(EventFiringTest, LifecycleAndEventNamesShareOneBlockOfCodes)
{
    std::vector<uint32_t> codes{nameCode("create"), nameCode("destroy"), nameCode("defaultaction")};
    for (int event = 0; event <= static_cast<int>(tEventKey::onErase); ++event)
        for (uint32_t code : nameCodes(codeName(eventCode(static_cast<tEventKey>(event)))))
            codes.push_back(code);
    for (size_t i = 1; i < codes.size(); ++i) EXPECT_EQ(codes[i], codes[i - 1] + 1) << codeName(codes[i]);
    EXPECT_EQ(storedEventCode(nameCode("onaddbehavior")), eventCode(tEventKey::onAddBehaviour));
    EXPECT_TRUE(isEventName(nameCode("ONCLICK")));
    EXPECT_FALSE(isEventName(nameCode("create")));
}

}  // namespace
