#include "platform/video/tQtVideoFront.h"

#include "platform/video/gstreamerElements.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QVideoWidget>
#include <QWidget>

#include <memory>

// The video front over a page widget, offscreen. Without the window thread installed the
// calls run at once on the test's thread, which is Qt's main thread here. The files are not
// decoded: what is checked is where a video is shown and that closing takes it away.

namespace {

class QtVideoFront : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argumentCount = 1;
        static char name[] = "video_tests";
        static char* arguments[] = {name, nullptr};
        application = std::make_unique<QApplication>(argumentCount, arguments);
    }

    static void TearDownTestSuite() { application.reset(); }

    QtVideoFront() { page.resize(640, 480); }

    static std::unique_ptr<QApplication> application;
    QWidget page;
};

std::unique_ptr<QApplication> QtVideoFront::application;

TEST_F(QtVideoFront, AVideoIsShownAtItsPlaceOnThePageAndTakenAwayWhenClosed)
{
    tQtVideoFront front(&page);
    front.Open({"/nowhere/clip.mp4", 20, 30, 320, 240});
    QVideoWidget* view = front.ViewOf("/nowhere/clip.mp4");
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->parentWidget(), &page);
    EXPECT_EQ(view->geometry(), QRect(20, 30, 320, 240));
    EXPECT_FALSE(view->isHidden());

    // The same file again moves its one view.
    front.Open({"/nowhere/clip.mp4", 0, 0, 100, 80});
    EXPECT_EQ(front.ViewOf("/nowhere/clip.mp4"), view);
    EXPECT_EQ(view->geometry(), QRect(0, 0, 100, 80));
    EXPECT_EQ(page.findChildren<QVideoWidget*>().size(), 1);

    EXPECT_FALSE(front.Close("/nowhere/other.mp4"));
    EXPECT_TRUE(front.Close("/nowhere/clip.mp4"));
    EXPECT_EQ(front.ViewOf("/nowhere/clip.mp4"), nullptr);
    EXPECT_TRUE(page.findChildren<QVideoWidget*>().isEmpty());
    EXPECT_FALSE(front.Close("/nowhere/clip.mp4"));
}

TEST_F(QtVideoFront, VideosStillShownGoWithTheFront)
{
    {
        tQtVideoFront front(&page);
        front.Open({"/nowhere/a.mp4", 0, 0, 10, 10});
        front.Open({"/nowhere/b.mp4", 10, 10, 10, 10});
        EXPECT_EQ(page.findChildren<QVideoWidget*>().size(), 2);
    }
    EXPECT_TRUE(page.findChildren<QVideoWidget*>().isEmpty());
}

// The check that keeps a missing GStreamer plugin from crashing the program asks GStreamer
// itself: the elements of the base plugins are there (this machine has them), others not.
TEST(GstreamerElements, ThoseInstalledAreFoundAndOthersNot)
{
    EXPECT_TRUE(gstreamerCanPlayVideo());
    EXPECT_TRUE(gstreamerHasElements({"playbin", "videoconvert"}));
    EXPECT_FALSE(gstreamerHasElements({"playbin", "zx-no-such-element"}));
}

}  // namespace
