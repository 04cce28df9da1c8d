#include "platform/devices/startDevices.h"

#include "../../mainobj/MainObjectWorld.h"
#include "platform/devices/deviceAccess.h"
#include "platform/devices/joystickState.h"
#include "interpreter/ErrorMessages.h"
#include "language/Language.h"
#include "mainobj/tMainLogoObject.h"
#include "objects/objectLifecycle.h"
#include "processes/tInterpreterLock.h"
#include "values/eLogoException.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <algorithm>
#include <functional>
#include <initializer_list>
#include <string>
#include <thread>
#include <utility>

namespace fs = std::filesystem;
using namespace std::chrono_literals;

namespace {

constexpr uint8_t kAxis = tJoystickRecord::kAxis;
constexpr uint8_t kButton = tJoystickRecord::kButton;
constexpr uint8_t kInitial = tJoystickRecord::kInitial;

// Joystick objects reading device files the test writes: a file is read as it grows, as a
// device is read as it reports.
class JoystickObject : public testing::Test {
protected:
    void SetUp() override
    {
        startDevices();
        folder = fs::temp_directory_path() / ("zx-joysticks-" + std::to_string(::getpid()));
        fs::create_directories(folder);
        saved = deviceAccess();
        deviceAccess().joystickFolder = folder.string();
    }
    void TearDown() override
    {
        deviceAccess() = saved;
        fs::remove_all(folder);
    }

    void Write(const std::string& device, std::initializer_list<tJoystickRecord> records)
    {
        std::ofstream file(folder / device, std::ios::binary | std::ios::app);
        for (const tJoystickRecord& record : records) {
            uint8_t bytes[tJoystickRecord::kSize];
            record.Encode(bytes);
            file.write(reinterpret_cast<const char*>(bytes), sizeof bytes);
        }
    }

    std::string Printed() const
    {
        std::string printed = world.printed;
        std::erase(printed, '\r');
        return printed;
    }

    // Lets the reading thread and the handler processes run for a while.
    void Let(std::chrono::milliseconds time)
    {
        tInterpreterLock::Instance().Unlock();
        std::this_thread::sleep_for(time);
        tInterpreterLock::Instance().Lock();
    }

    // Runs the lines until they print `expected`, letting the others run in between; the last
    // printing when they do not within a generous time.
    std::string Await(const std::string& lines, const std::string& expected)
    {
        const auto limit = std::chrono::steady_clock::now() + 10s;
        std::string printed;
        while ((printed = world.Run(lines)) != expected && std::chrono::steady_clock::now() < limit) Let(5ms);
        return printed;
    }

    // What handlers printed since the last call, once `done` holds for it (or in a generous
    // time).
    std::string Handled(const std::function<bool(const std::string&)>& done)
    {
        const auto limit = std::chrono::steady_clock::now() + 10s;
        while (!done(Printed()) && std::chrono::steady_clock::now() < limit) Let(5ms);
        std::string printed = Printed();
        world.printed.clear();
        return printed;
    }
    std::string Handled(const std::string& expected)
    {
        return Handled([&](const std::string& printed) { return printed == expected; });
    }

    // A joystick with three axes and five buttons (the fourth down) at rest.
    void MakeGamepad()
    {
        Write("js0", {{0, 0, kAxis | kInitial, 0}, {0, 0, kAxis | kInitial, 1}, {0, 0, kAxis | kInitial, 2},
                      {0, 0, kButton | kInitial, 0}, {0, 1, kButton | kInitial, 3}, {0, 0, kButton | kInitial, 4}});
        ASSERT_EQ(world.ErrorOf("new \"joystick [name pad]"), "none");
        ASSERT_EQ(Await("ask \"pad [print (list axescount buttoncount)]", "3 5\n"), "3 5\n");
    }

    tMainObjectWorld world;
    fs::path folder;
    tDeviceAccess saved;
};

TEST_F(JoystickObject, AJoystickThatIsNotThereCannotBeMadeOrChosen)
{
    EXPECT_EQ(world.ErrorOf("new \"joystick []"), "erJoyNumber");
    Write("js0", {});
    EXPECT_EQ(world.ErrorOf("new \"joystick [number 2]"), "erJoyNumber");
    EXPECT_EQ(world.Run("print objects"), "joystick\n");
    ASSERT_EQ(world.ErrorOf("new \"joystick [name j]"), "none");
    EXPECT_EQ(world.Run("ask \"j [print number]"), "1\n");
    for (const char* wrong : {"setnumber 2", "setnumber 0", "setnumber -1"})
        EXPECT_EQ(world.ErrorOf(std::string("ask \"j [") + wrong + "]"), "erJoyNumber") << wrong;
    // A refused number leaves the joystick read as it was.
    EXPECT_EQ(world.Run("ask \"j [print number]"), "1\n");
    Write("js1", {});
    EXPECT_EQ(world.Run("ask \"j [setnumber 2 print number]"), "2\n");
}

TEST_F(JoystickObject, WhatTheDeviceSaysCanOnlyBeRead)
{
    MakeGamepad();
    for (const char* setter : {"setx 5", "setv 5", "setaxescount 2", "setbuttoncount 2", "setpov 90", "setbutton1 \"true",
                               "setbutton32 \"false", "setvelocity 5", "setvelocityxy [1 1]", "setangle 90"})
        EXPECT_EQ(world.ErrorOf(std::string("ask \"pad [") + setter + "]"), "erJoyReadOnly") << setter;
    try {
        world.Run("ask \"pad [setbutton7 \"true]");
        ADD_FAILURE() << "a button was set";
    } catch (eLogoException& error) {
        EXPECT_EQ(MessageWithBreak(error, " "), "The joystick's button7 can only be read");
    }
}

TEST_F(JoystickObject, AxesReadOnTheirRangesPastTheirDeadZonesAndButtonsAsTruth)
{
    MakeGamepad();
    EXPECT_EQ(world.Run("ask \"pad [print (list x y z r u v pov)]"), "0 0 0 0 0 0 -1\n");
    EXPECT_EQ(world.Run("ask \"pad [print (list button1 button4 button5 button32)]"), "false true false false\n");
    Write("js0", {{5, 32767, kAxis, 0}, {6, -16384, kAxis, 1}, {7, 6553, kAxis, 2}, {8, 1, kButton, 0}});
    EXPECT_EQ(Await("ask \"pad [print (list x y z button1)]", "100 -50 20 true\n"), "100 -50 20 true\n");
    EXPECT_EQ(world.Run("ask \"pad [setrangex [0 1000] setrangey [100 -100] setdeadzonez 20 "
                        "print (list x y z rangex rangey deadzonez)]"),
              "1000 50 0 [0 1000] [100 -100] 20\n");
    // How far and where to the stick (x and y, with their dead zones) is pushed, as a turtle heads.
    EXPECT_EQ(world.Run("ask \"pad [print (list velocity angle velocityxy)]"), "100 63 [100 50]\n");
    for (const char* wrong : {"setrangex [1]", "setrangex [a 2]", "setrangex 5", "setdeadzonex 101", "setdeadzonex -1"})
        EXPECT_NE(world.ErrorOf(std::string("ask \"pad [") + wrong + "]"), "none") << wrong;
    EXPECT_EQ(world.Run("ask \"pad [print (list rangex deadzonex)]"), "[0 1000] 0\n");
}

TEST_F(JoystickObject, ButtonsAndMovesFireTheirEventsAsProcesses)
{
    MakeGamepad();
    world.Run("ask \"pad [setevent \"onjoystickbutton1down [print \"down1] "
              "setevent \"onjoystickbutton4up [print \"up4] "
              "setevent \"onjoystickbutton5down [print \"down5] "
              "setevent \"onjoystickmove [print x]]");
    Write("js0", {{1, 1, kButton, 0}, {2, 0, kButton, 3}, {3, 1, kButton, 4}});
    // Each handler is a process of its own: they may print in either order.
    const std::string buttons = Handled([](const std::string& printed) { return printed.size() >= 10; });
    EXPECT_TRUE(buttons == "down1\nup4\n" || buttons == "up4\ndown1\n") << buttons;
    Write("js0", {{4, 32767, kAxis, 0}});
    EXPECT_EQ(Handled("100\n"), "100\n");
    // Inside the dead zone nothing a program reads changes, so no move is reported.
    world.Run("ask \"pad [setdeadzonex 50]");
    Write("js0", {{5, 0, kAxis, 0}});
    EXPECT_EQ(Handled("0\n"), "0\n");
    Write("js0", {{6, 1000, kAxis, 0}, {7, 0, kButton, 0}, {8, 1, kButton, 0}});
    EXPECT_EQ(Handled("down1\n"), "down1\n");
}

// The move handler runs once at a time: moves while it runs fire it once more afterwards, with
// the latest reading.
TEST_F(JoystickObject, MovesWhileTheMoveHandlerRunsAreTakenTogether)
{
    MakeGamepad();
    world.Run("ask \"pad [setevent \"onjoystickmove [print x wait 10]]");
    Write("js0", {{1, 3277, kAxis, 0}});
    ASSERT_EQ(Handled("10\n"), "10\n");
    for (int step = 2; step <= 10; ++step) Write("js0", {{2, static_cast<int16_t>(std::min(step * 3277, 32767)), kAxis, 0}});
    const std::string printed = Handled([](const std::string& printed) { return printed.ends_with("100\n"); });
    EXPECT_TRUE(printed.ends_with("100\n")) << printed;
    EXPECT_LT(std::count(printed.begin(), printed.end(), '\n'), 9) << printed;
}

TEST_F(JoystickObject, AnErasedJoystickStopsReporting)
{
    MakeGamepad();
    world.Run("ask \"pad [setevent \"onjoystickbutton1down [print \"down1]]");
    destroyObject(mainLogoObject().FindOwn(nameCode("pad")));
    Write("js0", {{1, 1, kButton, 0}});
    Let(300ms);
    EXPECT_EQ(Printed(), "");
}

}  // namespace
