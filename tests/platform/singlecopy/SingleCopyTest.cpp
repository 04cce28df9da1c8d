#include <gtest/gtest.h>

#include <unistd.h>

#include <sys/socket.h>
#include <sys/un.h>

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>

#include <algorithm>
#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "platform/singlecopy/tSingleCopy.h"

namespace {

QCoreApplication& application()
{
    static char name[] = "platform_singlecopy_tests";
    static char* arguments[] = {name, nullptr};
    static int count = 1;
    static QCoreApplication made(count, arguments);
    return made;
}

// Identifiers no other test program running at the same time uses.
int32_t identifier(int n) { return static_cast<int32_t>(getpid()) * 8 + n; }

struct tLaterCopy {
    bool answered = false;
    bool accepted = false;
};

// The later copy asks from a thread of its own, as it would from another process, while this
// thread's event loop lets the running copy answer.
tLaterCopy startLaterCopy(int32_t id, const std::string& projectFile)
{
    application();
    tLaterCopy later;
    std::atomic<bool> done{false};
    std::thread asking([&] {
        tSingleCopy copy(id);
        later.answered = copy.HandOver(projectFile, 5000, &later.accepted);
        done = true;
    });
    while (!done)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    asking.join();
    return later;
}

TEST(SingleCopy, ALaterCopyHandsItsProjectToTheRunningOneWithTheSameIdentifier)
{
    application();
    std::vector<std::string> opened;
    bool dialogOpen = false;
    tSingleCopy running(identifier(1));
    ASSERT_TRUE(running.Listen([&](const std::string& projectFile) {
        if (dialogOpen)
            return false;
        opened.push_back(projectFile);
        return true;
    }));

    const tLaterCopy later = startLaterCopy(identifier(1), "/home/learner/garden.zxp");
    EXPECT_TRUE(later.answered);
    EXPECT_TRUE(later.accepted);
    const tLaterCopy plain = startLaterCopy(identifier(1), "");
    EXPECT_TRUE(plain.answered);
    EXPECT_EQ(opened, (std::vector<std::string>{"/home/learner/garden.zxp", ""}));

    // While a dialog is open the running copy refuses; the later copy still ends.
    dialogOpen = true;
    const tLaterCopy refused = startLaterCopy(identifier(1), "other.zxp");
    EXPECT_TRUE(refused.answered);
    EXPECT_FALSE(refused.accepted);
    EXPECT_EQ(opened.size(), 2u);

    // A copy with another identifier meets nobody and runs too.
    EXPECT_FALSE(startLaterCopy(identifier(2), "garden.zxp").answered);
}

// A copy that crashed leaves its socket file behind (where Qt puts a plain name's socket).
void leaveSocketFile(int32_t id)
{
    const std::string path = QDir::tempPath().toStdString() + "/zembrix-" + std::to_string(getuid()) + "-" + std::to_string(id);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    ASSERT_LT(path.size(), sizeof(address.sun_path));
    std::copy(path.begin(), path.end(), address.sun_path);
    const int socketFile = ::socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_GE(socketFile, 0);
    ASSERT_EQ(::bind(socketFile, reinterpret_cast<sockaddr*>(&address), sizeof(address)), 0);
    ::close(socketFile);
    ASSERT_EQ(::access(path.c_str(), F_OK), 0);
}

TEST(SingleCopy, TheNameOfACopyThatCrashedIsTakenOver)
{
    application();
    leaveSocketFile(identifier(3));
    tSingleCopy next(identifier(3));
    EXPECT_FALSE(next.HandOver("", 300));
    EXPECT_TRUE(next.Listen([](const std::string&) { return true; }));
}

}  // namespace
