#pragma once

// The environment window as the window tests drive it: one offscreen application, one
// environment and one window for the whole test program (the interpreter is set up once per
// process, as in the program), with the typed-command runner reading the command line.

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/environmentSetUp.h"
#include "mainobj/tCommandRunner.h"
#include "mainobj/tMainLogoObject.h"
#include "platform/tQtWindowThread.h"
#include "platform/window/tEnvironmentWindow.h"
#include "processes/tInterpreterLock.h"
#include "processes/tallthreads.h"
#include "turtle/tgrScreen.h"
#include "turtle/tlogopage.h"

struct tWindowFixture {
    tWindowFixture()
    {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        application = std::make_unique<QApplication>(argumentCount, arguments);
        installWindowThread(&windowThread);
        window = std::make_unique<tEnvironmentWindow>();
        tEnvironment environment = setUpEnvironment(std::string(), window->Commander());
        {
            tInterpreterLock::Holder output;
            mainLogoObject().fallbackOutput = std::make_unique<tWindowPrintOutput>(window->Commander());
            screen = tLogoRef<tgrScreen>(&environment.shownPage->Screen());
        }
        windowObject = environment.shownPage->place;
        window->ShowPage(environment.shownPage, screen.get());
        environment.lineRunnerStart.name = "@commandarea";
        tLogoprocess::Start<tCommandRunner>(std::move(environment.lineRunnerStart), std::vector<std::string>{});
        window->show();
    }

    static inline char name[] = "window_tests";
    static inline char* arguments[] = {name, nullptr};
    static inline int argumentCount = 1;
    std::unique_ptr<QApplication> application;
    tQtWindowThread windowThread;
    std::unique_ptr<tEnvironmentWindow> window;
    tLogoRef<tgrScreen> screen;
    tmultiobject* windowObject = nullptr;
};

inline tWindowFixture& fixture()
{
    static tWindowFixture made;
    return made;
}

// Processes still run when the tests are done; like the program, the test program ends at once
// instead of tearing its statics down under them.
class tEndAtOnce : public ::testing::Environment {
public:
    void TearDown() override
    {
        tallthreads::Instance().KillAll();
        std::fflush(stdout);
        std::_Exit(::testing::UnitTest::GetInstance()->Passed() ? 0 : 1);
    }
};
inline const auto* const endAtOnce = ::testing::AddGlobalTestEnvironment(new tEndAtOnce);

// Serves the window until `done` holds; false after ten seconds (the machine may be shared and
// loaded).
inline bool waitFor(const std::function<bool()>& done)
{
    const auto limit = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (!done()) {
        if (std::chrono::steady_clock::now() > limit) return false;
        QTest::qWait(10);
    }
    return true;
}

// Inside the start-up turtle's look at home: the triangle's base is at the origin (398, 249),
// its nose above.
inline const QPoint kOnTheTurtle(398, 245);
inline const QPoint kOnThePage(100, 100);
