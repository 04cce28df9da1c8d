#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "MainObjectWorld.h"
#include "language/Language.h"
#include "mainobj/tMainLogoObject.h"
#include "objects/activeToolButton.h"
#include "objects/tControlObject.h"
#include "processes/tInterpreterLock.h"
#include "turtle/toolAction.h"

namespace {

std::vector<tmultiobject*> letGoOf;
void recordLetGo(tmultiobject& button) { letGoOf.push_back(&button); }

// A tool (any object can be the active tool button for the action) and an object to press.
class ToolActionTest : public ::testing::Test {
protected:
    ToolActionTest()
    {
        installToolButtonLetGo(&recordLetGo);
        letGoOf.clear();
        world.Run("newclass [] \"dog [] new \"dog [name rex] newclass [] \"tool []");
        rex = find("rex");
        tool = find("tool");
    }
    ~ToolActionTest() override
    {
        setActiveToolButton(nullptr);
        installToolButtonLetGo(nullptr);
    }

    // What the handlers printed, with plain line feeds.
    std::string Printed()
    {
        std::string printed = world.printed;
        std::erase(printed, '\r');
        return printed;
    }

    static tmultiobject* find(const char* name) { return mainLogoObject().FindOwn(nameCode(name)); }

    // Rex made again with the creation list.
    void MakeRex(const std::string& list)
    {
        world.Run("eraseobject \"rex new \"dog [name rex " + list + "]");
        rex = find("rex");
    }

    // Starts the action on rex and runs `meanwhile` before the action can run; when it started,
    // waits (with a generous limit) for its end.
    bool Press(bool& completed, const std::function<void()>& meanwhile = {})
    {
        std::atomic<bool> ended{false};
        const bool started = startToolAction(*rex, {[&ended] { ended = true; }, rex});
        if (meanwhile) meanwhile();
        if (started) {
            tInterpreterLock::Releaser letHandlersRun;
            const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
            while (!ended && std::chrono::steady_clock::now() < deadline)
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        completed = ended;
        return started;
    }

    tMainObjectWorld world;
    tmultiobject* rex = nullptr;
    tmultiobject* tool = nullptr;
};

TEST_F(ToolActionTest, AToolActsOnlyOnObjectsThatAcceptTools)
{
    struct tCase {
        const char* what;
        bool toolActive;
        const char* creationList;
    };
    const tCase cases[] = {
        {"no tool button is active", false, "acceptstools true"},
        {"rex has no such variable", true, ""},
        {"rex does not accept tools", true, "acceptstools false"},
        {"what rex holds is no condition", true, "acceptstools [yes]"},
    };
    world.Run("ask \"tool [setevent \"ontool [print \"acted]]");
    for (const tCase& one : cases) {
        SCOPED_TRACE(one.what);
        MakeRex(one.creationList);
        setActiveToolButton(one.toolActive ? tool : nullptr);
        bool completed = false;
        EXPECT_FALSE(Press(completed));
        EXPECT_FALSE(completed) << "a press the tool does not take goes on as usual";
        EXPECT_EQ(world.printed, "");
    }
}

TEST_F(ToolActionTest, TheToolsHandlerRunsInTheObjectPressedAsToolAction)
{
    // Inherited from the class, as a learner sets it once for all dogs.
    world.Run("erasecomplete \"dog newclass [] \"dog [acceptstools true] new \"dog [name rex] "
              "ask \"tool [setevent \"ontool [print myname print processname]]");
    rex = find("rex");
    setActiveToolButton(tool);
    bool completed = false;
    ASSERT_TRUE(Press(completed));
    EXPECT_TRUE(completed);
    EXPECT_EQ(Printed(), "rex\n@toolaction\n");
    EXPECT_EQ(activeToolButton(), tool) << "a tool that is not one-shot stays the tool";
    EXPECT_TRUE(letGoOf.empty());
}

TEST_F(ToolActionTest, AToolWithoutHandlerStillTakesThePressAndCompletesAtOnce)
{
    MakeRex("acceptstools true");
    setActiveToolButton(tool);
    bool completed = false;
    EXPECT_TRUE(Press(completed));
    EXPECT_TRUE(completed);
    EXPECT_EQ(world.printed, "");
}

TEST_F(ToolActionTest, AOneShotToolIsLetGoOfAfterItsAction)
{
    for (const char* handler : {"[print \"acted]", "[]"}) {
        SCOPED_TRACE(handler);
        world.printed.clear();
        letGoOf.clear();
        MakeRex("acceptstools true");
        world.Run("erasecomplete \"tool newclass [] \"tool [oneshot true] ask \"tool [setevent \"ontool " + std::string(handler) + "]");
        tool = find("tool");
        setActiveToolButton(tool);
        bool completed = false;
        ASSERT_TRUE(Press(completed));
        EXPECT_TRUE(completed);
        EXPECT_EQ(activeToolButton(), nullptr);
        EXPECT_EQ(letGoOf, std::vector<tmultiobject*>{tool});
    }
}

TEST_F(ToolActionTest, AOneShotActionThatChoseAnotherToolKeepsIt)
{
    world.Run("erasecomplete \"tool newclass [] \"tool [oneshot true] ask \"tool [setevent \"ontool [print \"chose]] "
              "new \"tool [name other]");
    tool = find("tool");
    tmultiobject* other = find("other");
    MakeRex("acceptstools true");
    setActiveToolButton(tool);
    bool completed = false;
    ASSERT_TRUE(Press(completed, [&] { setActiveToolButton(other); }));
    EXPECT_TRUE(completed);
    EXPECT_EQ(Printed(), "chose\n");
    EXPECT_EQ(activeToolButton(), other);
}

}  // namespace
