#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <functional>
#include <map>
#include <mutex>
#include <string>
#include <vector>

#include "MainObjectWorld.h"
#include "language/Language.h"
#include "mainobj/tCommandRunner.h"
#include "mainobj/tMainLogoObject.h"
#include "objects/tControlObject.h"
#include "processes/tCommander.h"
#include "processes/tInterpreterLock.h"
#include "values/eLogoException.h"
#include "values/eTerminateException.h"
#include "values/tLogoList.h"

namespace {

using namespace std::chrono_literals;

// Hands the runner its lines, calling `beforeLine` with each line's index first (on the
// runner's thread, as the window would change what it shows between two lines).
class tScriptCommander : public tCommander {
public:
    explicit tScriptCommander(std::vector<std::string> lines) : lines_(std::move(lines)) {}

    std::string ReadLine() override
    {
        if (next_ == lines_.size()) {
            std::lock_guard<std::mutex> hold(guard_);
            ended_ = true;
            endOfInput_.notify_all();
            throw eTerminateException();
        }
        if (beforeLine) beforeLine(next_);
        return lines_[next_++];
    }
    void ShowError(const std::exception& error) override
    {
        auto* logoError = dynamic_cast<const eLogoException*>(&error);
        errors.push_back(logoError ? logoError->key : -1);
    }
    void Print(const std::string&) override {}
    void Abort() override {}

    bool WaitForEndOfInput(std::chrono::milliseconds limit)
    {
        std::unique_lock<std::mutex> hold(guard_);
        return endOfInput_.wait_for(hold, limit, [this] { return ended_; });
    }

    std::function<void(size_t)> beforeLine;
    std::vector<int> errors;

private:
    std::vector<std::string> lines_;
    size_t next_ = 0;
    std::mutex guard_;
    std::condition_variable endOfInput_;
    bool ended_ = false;
};

// Two places lines can run in, each remembering its own receivers, and the dogs and the cat
// they can address.
class CommandRunnerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        here = world.Make("here");
        there = world.Make("there");
        tControlObject* dog = world.Make("dog");
        world.Make("rex", dog, true);
        world.Make("fido", dog, true);
        world.Make("tom", world.Make("cat"), true);
        setTypedLinePlace({[this] { return shown; },
                           [this]() -> tlogoobject* {
                               auto found = remembered.find(shown);
                               return found != remembered.end() ? found->second.get() : new tLogoList;
                           },
                           [] { return static_cast<tLogoTab*>(nullptr); },
                           [this](tlogoobject* receivers) {
                               remembered[shown] = tLogoRef<tlogoobject>(receivers);
                               ++rememberedTells;
                           }});
    }
    void TearDown() override { setTypedLinePlace({}); }

    // Runs the lines in a runner process started in the main object; what they print.
    std::string RunLines(std::vector<std::string> lines, std::function<void(size_t)> beforeLine = {})
    {
        world.printed.clear();
        commander = std::make_shared<tScriptCommander>(std::move(lines));
        commander->beforeLine = std::move(beforeLine);
        tProcessStart start;
        start.name = "@typed";
        start.startObject = tLogoRef<tlogoobject>(&mainLogoObject());
        start.openFrame = true;
        start.commander = commander;
        auto runner = tLogoprocess::Start<tCommandRunner>(std::move(start), std::vector<std::string>{});
        tInterpreterLock::Releaser running;
        // Generous: a loaded machine may keep the runner's thread waiting for a while.
        if (!commander->WaitForEndOfInput(30s)) {
            ADD_FAILURE() << "the runner did not read all its lines";
            runner->Stop();
            return {};
        }
        runner->WaitForEnd();
        std::erase(world.printed, '\r');
        return world.printed;
    }

    tMainObjectWorld world;
    tControlObject* here = nullptr;
    tControlObject* there = nullptr;
    tmultiobject* shown = nullptr;
    std::map<tmultiobject*, tLogoRef<tlogoobject>> remembered;
    int rememberedTells = 0;
    std::shared_ptr<tScriptCommander> commander;
};

TEST_F(CommandRunnerTest, EachLineRunsWhereTheShownPlaceIsWhenTheLineStarts)
{
    shown = here;
    std::string printed = RunLines({"print myname", "print myname", "print myname"}, [this](size_t line) {
        if (line == 1) shown = there;
        // Without a place (a page that is gone) lines run where the runner started.
        if (line == 2) shown = nullptr;
    });
    EXPECT_EQ(printed, "here\nthere\nmain\n");
    EXPECT_TRUE(commander->errors.empty());
}

TEST_F(CommandRunnerTest, ATellIsRememberedByThePlaceItWasTypedIn)
{
    shown = here;
    std::string printed = RunLines({"tell \"rex", "show who", "show who", "tell [tom]", "show who", "show who",
                                    "print \"quiet"},
                                   [this](size_t line) {
                                       if (line == 2 || line == 5) shown = there;
                                       if (line == 4) shown = here;
                                   });
    EXPECT_EQ(printed, "rex\n[]\nrex\ntom\nquiet\n");
    // Lines without a "tell" leave what the places remember alone.
    EXPECT_EQ(rememberedTells, 2);
    EXPECT_TRUE(commander->errors.empty());
}

TEST_F(CommandRunnerTest, DefinitionsWithoutAnOwnerStayInTheMainObject)
{
    shown = here;
    std::string printed =
        RunLines({"to square :x", "output :x * :x", "end", "print square 3", "here'to hop", "output \"hop", "end",
                  "print hop", "print mydefined? \"square"});
    EXPECT_EQ(printed, "9\nhop\nfalse\n");
    const uint32_t square = nameCode("square");
    const uint32_t hop = nameCode("hop");
    EXPECT_NE(mainLogoObject().procTable->Lookup(square), nullptr);
    EXPECT_EQ(here->procTable->Lookup(square), nullptr);
    EXPECT_NE(here->procTable->Lookup(hop), nullptr);
    EXPECT_EQ(mainLogoObject().procTable->Lookup(hop), nullptr);
    EXPECT_TRUE(commander->errors.empty());
}

}  // namespace
