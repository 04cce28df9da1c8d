#include "platform/devices/startDevices.h"

#include "../../mainobj/MainObjectWorld.h"
#include "platform/devices/deviceAccess.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <string>

namespace fs = std::filesystem;

namespace {

class DevicePrimitives : public testing::Test {
protected:
    void SetUp() override
    {
        startDevices();
        folder = fs::temp_directory_path() / ("zx-devices-" + std::to_string(::getpid()));
        fs::create_directories(folder);
        saved = deviceAccess();
        deviceAccess().joystickFolder = folder.string();
        deviceAccess().portDevice = (folder / "port").string();
    }
    void TearDown() override
    {
        deviceAccess() = saved;
        fs::remove_all(folder);
    }

    void MakeFile(const std::string& name, size_t size = 0)
    {
        std::ofstream(folder / name, std::ios::binary) << std::string(size, '\0');
    }

    tMainObjectWorld world;
    fs::path folder;
    tDeviceAccess saved;
};

TEST_F(DevicePrimitives, WithoutJoysticksThereAreNoneAndNoneResponds)
{
    EXPECT_EQ(world.Run("print numjoysticks show activejoysticks"), "0\n[]\n");
    deviceAccess().joystickFolder = (folder / "missing").string();
    EXPECT_EQ(world.Run("print numjoysticks show activejoysticks"), "0\n[]\n");
}

// Only "js" and a number is a joystick device; joystick n is device n - 1. A file is no
// joystick, so the real question answers no for it.
TEST_F(DevicePrimitives, JoystickDevicesAreCountedAndTheRespondingOnesListed)
{
    for (const char* name : {"js0", "js1", "js10", "event0", "jsx", "js", "mouse0"}) MakeFile(name);
    EXPECT_EQ(world.Run("print numjoysticks show activejoysticks"), "3\n[]\n");
    std::set<std::string> asked;
    deviceAccess().joystickResponds = [&](const std::string& path) {
        asked.insert(fs::path(path).filename().string());
        return path != (folder / "js1").string();
    };
    EXPECT_EQ(world.Run("show activejoysticks"), "[1 11]\n");
    EXPECT_EQ(asked, (std::set<std::string>{"js0", "js1", "js10"}));
}

// Ports are bytes of the port device at their numbers, wider values little-endian.
TEST_F(DevicePrimitives, PortsAreWrittenAndReadByteWordAndDoubleWord)
{
    MakeFile("port", 65536);
    const std::string lines =
        "out 888 171 print in 888 "
        "outW 1000 48879 print (list in 1000 in 1001 inW 1000) "
        "outD 65532 -2 print (list inD 65532 inW 65534 in 65532) "
        "out 0 0 out 65535 255 print (list in 0 in 65535)";
    EXPECT_EQ(world.Run(lines), "171\n239 190 48879\n-2 65535 254\n0 255\n");
}

TEST_F(DevicePrimitives, PortNumbersAndValuesOutsideTheirRangeFail)
{
    MakeFile("port", 65536);
    const struct {
        const char* lines;
        const char* error;
    } cases[] = {
        {"print in -1", "erMinMax"},     {"print inW 65536", "erMinMax"}, {"print inD 70000", "erMinMax"},
        {"out 1 256", "erMinMax"},       {"out 1 -1", "erMinMax"},        {"outW 1 65536", "erMinMax"},
        {"out 65536 0", "erMinMax"},     {"print in \"a", "erExpectNumber"},
    };
    for (const auto& c : cases) EXPECT_EQ(world.ErrorOf(c.lines), c.error) << c.lines;
    EXPECT_EQ(world.Run("print in 1"), "0\n");
}

// Normal users may not touch the ports: every primitive says so, none reads 0 or writes nothing
// silently. A port reached only in part (a word at the last port) is refused too.
TEST_F(DevicePrimitives, PortsTheSystemRefusesFailEveryPrimitive)
{
    for (const char* lines : {"print in 1", "print inW 1", "print inD 1", "out 1 1", "outW 1 1", "outD 1 1"})
        EXPECT_EQ(world.ErrorOf(lines), "erFileProblem") << lines;
    MakeFile("port", 65536);
    EXPECT_EQ(world.ErrorOf("print inD 65534"), "erFileProblem");
}

}  // namespace
