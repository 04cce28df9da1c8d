#include "webTestFixtures.h"

#include "../../mainobj/MainObjectWorld.h"
#include "interpreter/ErrorMessages.h"
#include "values/eLogoException.h"

#include <atomic>
#include <fstream>
#include <iterator>
#include <unistd.h>

namespace fs = std::filesystem;

std::string readFile(const fs::path& path)
{
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

void writeFile(const fs::path& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

std::string errorMessageOf(tMainObjectWorld& world, const std::string& lines)
{
    try {
        world.Run(lines);
    } catch (eLogoException& error) {
        FormatMessage(error);
        return error.message;
    }
    return {};
}

void tFtpServerTest::SetUp()
{
    if (!tLoopbackFtpServer::available())
        GTEST_SKIP() << "vsftpd is not installed (scripts/install-deps --with-peers installs it)";
    server = std::make_unique<tLoopbackFtpServer>();
    base = server->base();
    ASSERT_FALSE(base.empty()) << "vsftpd did not start";
}

void tHttpServerTest::SetUp()
{
    static std::atomic<int> folders{0};
    folder = fs::temp_directory_path() / ("zx-web-" + std::to_string(getpid()) + "-" + std::to_string(folders++));
    fs::create_directories(folder / "served");
    server = std::make_unique<tLoopbackHttpServer>((folder / "served").string());
    base = server->base();
    if (base.empty())
        GTEST_SKIP() << "python3 could not start the loopback HTTP server";
}

void tHttpServerTest::TearDown()
{
    server.reset();
    fs::remove_all(folder);
}
