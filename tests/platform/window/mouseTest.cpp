#include <gtest/gtest.h>

#include <QApplication>
#include <QPlainTextEdit>
#include <QTest>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>

#include "app/environmentSetUp.h"
#include "mainobj/tCommandRunner.h"
#include "mainobj/tMainLogoObject.h"
#include "platform/tQtWindowThread.h"
#include "platform/window/tCommandLine.h"
#include "platform/window/tEnvironmentWindow.h"
#include "platform/window/tPageView.h"
#include "processes/tInterpreterLock.h"
#include "processes/tallthreads.h"
#include "turtle/pointerPrimitives.h"
#include "turtle/tgrScreen.h"
#include "turtle/tlogopage.h"

// The pointer over the shown page, driven by synthetic mouse events: what "clickedpos" and
// "mousestate" see, dragging, the paint tools and the selection frame.

namespace {

struct tMouseFixture {
    tMouseFixture()
    {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        application = std::make_unique<QApplication>(argumentCount, arguments);
        installWindowThread(&windowThread);
        window = std::make_unique<tEnvironmentWindow>();
        tEnvironment environment = setUpEnvironment(std::string(), window->Commander());
        {
            tInterpreterLock::Holder output;
            startPointer();
            mainLogoObject().fallbackOutput = std::make_unique<tWindowPrintOutput>(window->Commander());
            screen = tLogoRef<tgrScreen>(&environment.shownPage->Screen());
        }
        window->ShowPage(environment.shownPage, screen.get());
        environment.lineRunnerStart.name = "@commandarea";
        tLogoprocess::Start<tCommandRunner>(std::move(environment.lineRunnerStart), std::vector<std::string>{});
        window->show();
    }

    static inline char name[] = "mouse_window_tests";
    static inline char* arguments[] = {name, nullptr};
    static inline int argumentCount = 1;
    std::unique_ptr<QApplication> application;
    tQtWindowThread windowThread;
    std::unique_ptr<tEnvironmentWindow> window;
    tLogoRef<tgrScreen> screen;
};

tMouseFixture& fixture()
{
    static tMouseFixture made;
    return made;
}

// Processes may still run at the end; the program ends at once, as the real one does.
class tEndAtOnce : public ::testing::Environment {
public:
    void TearDown() override
    {
        tallthreads::Instance().KillAll();
        std::fflush(stdout);
        std::_Exit(::testing::UnitTest::GetInstance()->Passed() ? 0 : 1);
    }
};
const auto* const endAtOnce = ::testing::AddGlobalTestEnvironment(new tEndAtOnce);

// The start-up turtle sits at the origin, surface (398, 249), its nose pointing up.
const QPoint kOnTheTurtle(398, 245);
const QPoint kOnThePage(100, 100);

class PageMouse : public ::testing::Test {
protected:
    void SetUp() override
    {
        window = fixture().window.get();
        page = &window->PageView();
    }

    // Runs the line in the command area and gives what it printed (the line's own echo left
    // out); "timeout: " and the output's end when the marker that ends it does not come.
    // In the line, T' and P' stand for the start-up turtle's and page's paths.
    std::string Run(std::string line)
    {
        for (auto [shortcut, path] : {std::pair{"T'", "mainwindow1'page1't1'"}, std::pair{"P'", "mainwindow1'page1'"}})
            for (size_t at = line.find(shortcut); at != std::string::npos; at = line.find(shortcut, at + 1))
                line.replace(at, 2, path);
        const QString marker = QStringLiteral("done%1").arg(++lines);
        const qsizetype before = window->Output().toPlainText().size();
        window->CommandLine().setFocus();
        QTest::keyClicks(&window->CommandLine(), QString::fromStdString(line) + " print \"" + marker);
        QTest::keyClick(&window->CommandLine(), Qt::Key_Return);
        // Handlers may print after the line's end.
        const QString end = "\n" + marker + "\n";
        if (!WaitFor([&] { return window->Output().toPlainText().indexOf(end, before) >= 0; }))
            return "timeout: " + window->Output().toPlainText().right(300).toStdString();
        const QString text = window->Output().toPlainText();
        QString printed = text.mid(before, text.indexOf(end, before) + 1 - before);
        // The line itself is echoed first.
        const qsizetype echo = printed.indexOf(marker);
        if (echo >= 0) printed = printed.mid(printed.indexOf('\n', echo) + 1);
        return printed.toStdString();
    }

    // Serves the window until `done` holds; false after ten seconds (the machine is shared).
    static bool WaitFor(const std::function<bool()>& done)
    {
        const auto limit = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (!done()) {
            if (std::chrono::steady_clock::now() > limit) return false;
            QTest::qWait(10);
        }
        return true;
    }

    QRgb PicturePixel(int x, int y) const
    {
        tgrScreen& screen = *fixture().screen;
        std::lock_guard<std::mutex> hold(screen.pictureLock);
        return screen.picture.pixel(x, y) & 0xFFFFFF;
    }

    tEnvironmentWindow* window = nullptr;
    QWidget* page = nullptr;
    static inline int lines = 0;
};

TEST_F(PageMouse, ALeftPressRecordsWhereItTookTheTurtle)
{
    ASSERT_EQ(Run("T'pu T'home"), "");
    QTest::mouseClick(page, Qt::LeftButton, Qt::NoModifier, kOnTheTurtle + QPoint(1, 0));
    // [dx -dy]: one right of the turtle, four above it. The mouse is handled in a process of
    // its own, so the line may come first.
    EXPECT_TRUE(WaitFor([&] { return Run("show T'clickedpos") == "[1 4]\n"; }));
    // A press on the bare page is the page's, from its top-left corner.
    QTest::mouseClick(page, Qt::LeftButton, Qt::NoModifier, kOnThePage);
    EXPECT_TRUE(WaitFor([&] { return Run("show P'clickedpos") == "[100 -100]\n"; }));
    EXPECT_EQ(Run("show T'clickedpos"), "[1 4]\n");
}

TEST_F(PageMouse, MousestateShowsTheButtonsAndKeysHeld)
{
    QTest::mousePress(page, Qt::LeftButton, Qt::NoModifier, kOnThePage);
    EXPECT_EQ(Run("show P'mousestate"), "[1 0 [-298 149]]\n");
    QTest::mouseRelease(page, Qt::LeftButton, Qt::NoModifier, kOnThePage);
    QTest::mousePress(page, Qt::RightButton, Qt::ShiftModifier | Qt::ControlModifier, kOnThePage + QPoint(2, 0));
    EXPECT_EQ(Run("show P'mousestate"), "[2 3 [-296 149]]\n");
    QTest::mouseRelease(page, Qt::RightButton, Qt::NoModifier, kOnThePage + QPoint(2, 0));
    EXPECT_EQ(Run("show P'mousestate"), "[0 0 [-296 149]]\n");
}

TEST_F(PageMouse, ATurtleWithAutoDragFollowsTheLeftButton)
{
    ASSERT_EQ(Run("T'pu T'home T'setautodrag \"true"), "");
    QTest::mousePress(page, Qt::LeftButton, Qt::NoModifier, kOnTheTurtle);
    QTest::mouseMove(page, kOnTheTurtle + QPoint(30, -20));
    // Taken four pixels under its nose, the turtle keeps that offset to the pointer.
    EXPECT_TRUE(WaitFor([&] { return Run("show T'pos") == "[30 20]\n"; }));
    QTest::mouseMove(page, kOnTheTurtle + QPoint(50, 10));
    EXPECT_TRUE(WaitFor([&] { return Run("show T'pos") == "[50 -10]\n"; }));
    QTest::mouseRelease(page, Qt::LeftButton, Qt::NoModifier, kOnTheTurtle + QPoint(50, 10));
    // Released, it stays where it was left.
    QTest::mouseMove(page, kOnThePage);
    QTest::qWait(100);
    EXPECT_EQ(Run("show T'pos T'setautodrag \"false T'home"), "[50 -10]\n");
}

TEST_F(PageMouse, WithoutAutoDragAMoveWithTheButtonHeldIsADragEvent)
{
    ASSERT_EQ(Run("T'pu T'home T'setevent \"ondrag [print \"dragged]"), "");
    QTest::mousePress(page, Qt::LeftButton, Qt::NoModifier, kOnTheTurtle);
    QTest::mouseMove(page, kOnTheTurtle + QPoint(30, -20));
    QTest::mouseRelease(page, Qt::LeftButton, Qt::NoModifier, kOnTheTurtle + QPoint(30, -20));
    EXPECT_TRUE(WaitFor([&] { return window->Output().toPlainText().contains("dragged"); }));
    EXPECT_EQ(Run("show T'pos T'eraseevent \"ondrag"), "[0 0]\n");
}

}  // namespace
