#include "platform/desktop/startDesktop.h"

#include "../../mainobj/MainObjectWorld.h"
#include "turtle/labelText.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QScreen>

#include <gtest/gtest.h>

#include <string>

namespace {

class ScreenMetrics : public testing::Test {
protected:
    void SetUp() override { startDesktop(); }
    tMainObjectWorld world;
};

// The numbers come from the (offscreen) screen and the desktop's font.
TEST_F(ScreenMetrics, AnswersFromTheScreenAndTheFont)
{
    const std::string width = world.Run("print systemmetrics 0");  // makes the Qt application
    ASSERT_NE(QGuiApplication::primaryScreen(), nullptr);
    const QScreen& screen = *QGuiApplication::primaryScreen();
    const QFontMetrics font(QGuiApplication::font());
    ASSERT_GT(font.averageCharWidth(), 0);
    struct {
        const char* lines;
        int value;
    } cases[] = {
        {"print systemmetrics 1", screen.geometry().height()},
        {"print systemmetrics 16", screen.availableGeometry().width()},
        {"print systemmetrics 17", screen.availableGeometry().height()},
        {"print systemmetrics 78", screen.virtualGeometry().width()},
        {"print systemmetrics 80", static_cast<int>(QGuiApplication::screens().size())},
        {"print systemmetrics \"CXFONT", font.averageCharWidth()},
        {"print systemmetrics \"cyfont", font.height()},
        {"print systemmetrics \"CYSPEEDBAR", 0},
    };
    EXPECT_EQ(width, std::to_string(screen.geometry().width()) + "\n");
    for (const auto& c : cases) EXPECT_EQ(world.Run(c.lines), std::to_string(c.value) + "\n") << c.lines;
}

TEST_F(ScreenMetrics, MetricsItCannotAnswerFail)
{
    for (const char* lines : {"print systemmetrics 2", "print systemmetrics 0.5", "print systemmetrics \"CXSCREEN",
                              "print systemmetrics [0]"})
        EXPECT_EQ(world.ErrorOf(lines), "erDoesNotLike") << lines;
}

}  // namespace
