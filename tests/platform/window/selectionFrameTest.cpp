#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>

#include "pageMouseTest.h"

// The selection frame: cut out of the picture, moved and resized by the mouse, and finished,
// dropped, copied or cut by keys typed on the page.

namespace {

TEST_F(PageMouse, ASelectionIsCutMovedResizedAndFinished)
{
    ASSERT_EQ(Run("T'ht P'cleanbgpicture P'setbglinecolour [255 0 0] P'bgfilledrectangle [[10 10] [30 30]] "
                  "P'setbglinecolour 0 P'createselection [-388 239 20 20]"),
              "");
    // The cut leaves the background; the frame shows the picture where it was.
    EXPECT_EQ(PicturePixel(20, 20), 0xFFFFFFu);
    auto view = static_cast<tPageView*>(page);
    auto shown = [&](int x, int y) {
        view->Refresh();
        return view->Shown().pixel(x, y) & 0xFFFFFF;
    };
    // Taken by its picture, the frame moves by the pointer's travel.
    DragLeft(QPoint(20, 20), QPoint(120, 60));
    EXPECT_TRUE(waitFor([&] { return shown(125, 65) == 0xFF0000u; }));
    // Taken by its bottom-right handle, 2 to 7 pixels past the corner, it grows.
    DragLeft(QPoint(133, 73), QPoint(143, 83));
    // (Its edge pixels carry the dotted outline while it is shown.)
    EXPECT_TRUE(waitFor([&] { return shown(138, 78) == 0xFF0000u; }));
    // Until it is finished the picture holds none of it.
    EXPECT_EQ(PicturePixel(139, 79), 0xFFFFFFu);
    ASSERT_EQ(Run("finishselection \"true"), "");
    EXPECT_EQ(PicturePixel(139, 79), 0xFF0000u);
    EXPECT_EQ(PicturePixel(110, 50), 0xFF0000u);
    EXPECT_EQ(PicturePixel(140, 80), 0xFFFFFFu);
    EXPECT_EQ(PicturePixel(109, 50), 0xFFFFFFu);
    EXPECT_EQ(PicturePixel(20, 20), 0xFFFFFFu);
}


TEST_F(PageMouse, KeysOnThePageStampDropCopyAndCutTheSelection)
{
    auto view = static_cast<tPageView*>(page);
    auto shown = [&](int x, int y) {
        view->Refresh();
        return view->Shown().pixel(x, y) & 0xFFFFFF;
    };
    // A red square cut out at (10, 10): the frame shows it over the cleared picture.
    auto cut = [&] {
        ASSERT_EQ(Run("T'ht P'setbglinecolour [255 0 0] P'bgfilledrectangle [[10 10] [30 30]] P'setbglinecolour 0 "
                      "P'createselection [-388 239 20 20]"),
                  "");
        ASSERT_EQ(PicturePixel(20, 20), 0xFFFFFFu);
        ASSERT_TRUE(waitFor([&] { return shown(20, 20) == 0xFF0000u; }));
        page->setFocus();
    };
    QClipboard& clipboard = *QGuiApplication::clipboard();

    ASSERT_EQ(Run("P'cleanbgpicture"), "");
    cut();
    QTest::keyClick(page, Qt::Key_Return);
    EXPECT_TRUE(waitFor([&] { return PicturePixel(20, 20) == 0xFF0000u; }));

    cut();
    QTest::keyClick(page, Qt::Key_Delete);
    EXPECT_TRUE(waitFor([&] { return shown(20, 20) == 0xFFFFFFu; }));
    EXPECT_EQ(PicturePixel(20, 20), 0xFFFFFFu);

    // Typed in the command line, the keys edit the line and leave the selection alone.
    cut();
    window->CommandLine().setFocus();
    QTest::keyClick(&window->CommandLine(), Qt::Key_Delete);
    QTest::keyClick(&window->CommandLine(), Qt::Key_Escape);
    QTest::qWait(100);
    EXPECT_EQ(shown(20, 20), 0xFF0000u);
    EXPECT_EQ(PicturePixel(20, 20), 0xFFFFFFu);

    clipboard.clear();
    page->setFocus();
    QTest::keyClick(page, Qt::Key_C, Qt::ControlModifier);
    ASSERT_TRUE(waitFor([&] { return !clipboard.image().isNull(); }));
    EXPECT_EQ(clipboard.image().size(), QSize(20, 20));
    EXPECT_EQ(clipboard.image().pixel(5, 5) & 0xFFFFFF, 0xFF0000u);
    EXPECT_EQ(Run("show clipboard"), "[image]\n");
    // Copied, it stays.
    EXPECT_EQ(shown(20, 20), 0xFF0000u);

    clipboard.clear();
    QTest::keyClick(page, Qt::Key_X, Qt::ControlModifier);
    EXPECT_TRUE(waitFor([&] { return !clipboard.image().isNull() && shown(20, 20) == 0xFFFFFFu; }));
    EXPECT_EQ(PicturePixel(20, 20), 0xFFFFFFu);
    ASSERT_EQ(Run("finishselection \"true"), "");
    EXPECT_EQ(PicturePixel(20, 20), 0xFFFFFFu);
}

TEST_F(PageMouse, TheCursorOverTheSelectionFrameTellsWhatItsHandleDoes)
{
    ASSERT_EQ(Run("T'ht P'cleanbgpicture P'createselection [-388 239 20 20]"), "");
    // The frame's inner rectangle is (10, 10) to (29, 29); its handles lie 2 to 7 pixels out.
    const struct {
        QPoint at;
        Qt::CursorShape shape;
    } cases[] = {
        {{34, 34}, Qt::SizeFDiagCursor}, {{5, 34}, Qt::SizeBDiagCursor}, {{20, 34}, Qt::SizeVerCursor},
        {{34, 20}, Qt::SizeHorCursor},   {{20, 20}, Qt::SizeAllCursor},  {{200, 200}, Qt::ArrowCursor},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.at.x()) + " " + std::to_string(c.at.y()));
        QTest::mouseMove(page, c.at);
        EXPECT_TRUE(waitFor([&] { return page->cursor().shape() == c.shape; }));
    }
    ASSERT_EQ(Run("finishselection \"true"), "");
}

}  // namespace
