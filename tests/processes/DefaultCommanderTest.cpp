#include "processes/tInterpreterLock.h"
#include "processes/tQueuedWindowThread.h"
#include "processes/tdefaultcommander.h"

#include "language/Language.h"
#include "values/eLogoException.h"
#include "values/tLogoString.h"
#include "values/valuePools.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <utility>
#include <vector>
#include <thread>

namespace {

using Box = std::pair<std::string, std::string>;  // caption, text

class DefaultCommander : public ::testing::Test {
protected:
    static void SetUpTestSuite() { switchLanguage(""); }

    std::vector<Box> shown;
    std::vector<std::thread::id> shownOn;
    tdefaultcommander commander{[this](const std::string& caption, const std::string& text) {
        shown.emplace_back(caption, text);
        shownOn.push_back(std::this_thread::get_id());
    }};
};

TEST_F(DefaultCommander, ShowsALogoErrorUnderTheCaptionOfWhereItHappened)
{
    tInterpreterLock::Holder held;
    eLogoException error(erBadValue, NewWord("x"));
    error.SetNeedingProcedure("forward");
    error.procedureName = "walker";
    error.contextKind = ipLaunch;
    commander.ShowError(error);
    EXPECT_EQ(shown, (std::vector<Box>{{"Error in the process walker", "forward doesn't like the value x"}}));
    EXPECT_FALSE(error.formatted) << "the caller's error is left as it was";
}

TEST_F(DefaultCommander, ShowsOtherExceptionsAndPrintedTextUnderPlainCaptions)
{
    commander.ShowError(std::runtime_error("broken"));
    commander.Print("hello");
    EXPECT_EQ(shown, (std::vector<Box>{{"Error", "broken"}, {"Print", "hello"}}));
}

TEST_F(DefaultCommander, HasNoInput)
{
    try {
        commander.ReadLine();
        ADD_FAILURE() << "ReadLine returned";
    } catch (const eLogoException& error) {
        EXPECT_EQ(error.key, erNoTextInput);
    }
}

TEST_F(DefaultCommander, ShowsItsBoxesOnTheWindowThread)
{
    tQueuedWindowThread window;
    installWindowThread(&window);
    tSyncEvent done(tSyncEvent::kManualReset, false);
    std::thread process([&] {
        commander.Print("from a process");
        done.Set();
    });
    window.WaitServing(done);
    process.join();
    installWindowThread(nullptr);
    EXPECT_EQ(shownOn, std::vector<std::thread::id>{std::this_thread::get_id()});
}

}  // namespace
