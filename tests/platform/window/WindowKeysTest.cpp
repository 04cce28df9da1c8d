#include <gtest/gtest.h>

#include <QKeyEvent>

#include "mainobj/keyboard/tKeyboardState.h"
#include "platform/window/selectionKeys.h"
#include "platform/window/windowKeys.h"
#include "pieceApplication.h"

namespace {

TEST(WindowKeys, CtrlBreakIsTheCancelKeyAndStopsQueueingPresses)
{
    pieceApplication();
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

TEST(WindowKeys, KeysThatWorkTheSelectionFrame)
{
    pieceApplication();
    const struct {
        const char* what;
        int key;
        Qt::KeyboardModifiers held;
        tSelectionKey does;
    } cases[] = {
        {"Enter", Qt::Key_Return, Qt::NoModifier, tSelectionKey::kFinish},
        {"keypad Enter", Qt::Key_Enter, Qt::KeypadModifier, tSelectionKey::kFinish},
        {"Escape", Qt::Key_Escape, Qt::NoModifier, tSelectionKey::kFinish},
        {"Shift+Enter", Qt::Key_Return, Qt::ShiftModifier, tSelectionKey::kNone},
        {"Alt+Escape", Qt::Key_Escape, Qt::AltModifier, tSelectionKey::kNone},
        {"Delete", Qt::Key_Delete, Qt::NoModifier, tSelectionKey::kDrop},
        {"Shift+Delete", Qt::Key_Delete, Qt::ShiftModifier, tSelectionKey::kCut},
        {"Ctrl+Delete", Qt::Key_Delete, Qt::ControlModifier, tSelectionKey::kNone},
        {"Ctrl+C", Qt::Key_C, Qt::ControlModifier, tSelectionKey::kCopy},
        {"Ctrl+Insert", Qt::Key_Insert, Qt::ControlModifier, tSelectionKey::kCopy},
        {"Ctrl+X", Qt::Key_X, Qt::ControlModifier, tSelectionKey::kCut},
        {"Ctrl+Shift+X", Qt::Key_X, Qt::ControlModifier | Qt::ShiftModifier, tSelectionKey::kNone},
        {"C", Qt::Key_C, Qt::NoModifier, tSelectionKey::kNone},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(selectionKeyOf(QKeyEvent(QEvent::KeyPress, c.key, c.held)), c.does);
    }
}

}  // namespace
