#include "platform/desktop/tDesktopLauncher.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <thread>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

bool appearsWithin(const fs::path& path, std::chrono::seconds limit)
{
    const auto end = std::chrono::steady_clock::now() + limit;
    while (!fs::exists(path)) {
        if (std::chrono::steady_clock::now() > end) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return true;
}

// The real launcher starts a program detached, in the folder given, with its arguments as they
// are: a shell would have run the second command.
TEST(QtDesktopLauncher, StartsAProgramWithItsArgumentsAsTheyAre)
{
    const fs::path folder = fs::temp_directory_path() / ("zx-launcher-" + std::to_string(getpid()));
    fs::create_directories(folder);
    tQtDesktopLauncher launcher;
    ASSERT_TRUE(launcher.StartProgram("touch", {"one;touch two", "caf\xe9"}, folder.string()));
    EXPECT_TRUE(appearsWithin(folder / "one;touch two", std::chrono::seconds(30)));
    EXPECT_TRUE(appearsWithin(folder / "caf\xc3\xa9", std::chrono::seconds(30)));
    EXPECT_FALSE(fs::exists(folder / "two"));
    EXPECT_FALSE(launcher.StartProgram("/nonexistent/zembrix-no-program", {}, folder.string()));
    fs::remove_all(folder);
}

}  // namespace
