#include <gtest/gtest.h>

#include <QKeyEvent>

#include "mainobj/keyboard/tKeyboardState.h"
#include "platform/window/windowKeys.h"

namespace {

TEST(WindowKeys, CtrlBreakIsTheCancelKeyAndStopsQueueingPresses)
{
    const struct {
        const char* what;
        int key;
        Qt::KeyboardModifiers held;
        bool cancel;
    } cases[] = {
        {"Ctrl+Pause", Qt::Key_Pause, Qt::ControlModifier, true},
        {"Ctrl+Shift+Pause", Qt::Key_Pause, Qt::ControlModifier | Qt::ShiftModifier, true},
        {"Cancel", Qt::Key_Cancel, Qt::ControlModifier, true},
        {"Pause alone", Qt::Key_Pause, Qt::NoModifier, false},
        {"Ctrl+B", Qt::Key_B, Qt::ControlModifier, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const QKeyEvent press(QEvent::KeyPress, c.key, c.held);
        EXPECT_EQ(keyMessageOf(press, false).virtualKey == virtualKey::kCancel, c.cancel);
    }
    ASSERT_TRUE(keyboardState().Collecting());
    keyMessageArrived(keyMessageOf(QKeyEvent(QEvent::KeyPress, Qt::Key_Pause, Qt::ControlModifier), false));
    EXPECT_FALSE(keyboardState().Collecting());
}

}  // namespace
