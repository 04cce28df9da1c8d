#include "platform/window/selectionKeys.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>

#include "platform/window/interpreterHandOver.h"
#include "turtle/selectionFrame.h"

tSelectionKey selectionKeyOf(const QKeyEvent& event)
{
    // The keypad's Enter is Enter.
    const Qt::KeyboardModifiers held = event.modifiers() & ~Qt::KeypadModifier;
    switch (event.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape: return held == Qt::NoModifier ? tSelectionKey::kFinish : tSelectionKey::kNone;
    case Qt::Key_Delete:
        if (held == Qt::NoModifier) return tSelectionKey::kDrop;
        return held == Qt::ShiftModifier ? tSelectionKey::kCut : tSelectionKey::kNone;
    case Qt::Key_Insert: return held == Qt::ControlModifier ? tSelectionKey::kCopy : tSelectionKey::kNone;
    case Qt::Key_C: return held == Qt::ControlModifier ? tSelectionKey::kCopy : tSelectionKey::kNone;
    case Qt::Key_X: return held == Qt::ControlModifier ? tSelectionKey::kCut : tSelectionKey::kNone;
    default: return tSelectionKey::kNone;
    }
}

void actOnSelection(tSelectionKey key)
{
    if (key == tSelectionKey::kNone) return;
    // The hand-over's routine runs on the window thread, which owns the clipboard.
    runUnderInterpreter("@selectionkey", [key] {
        if (!selectionExists()) return;
        if (key == tSelectionKey::kCopy || key == tSelectionKey::kCut)
            QGuiApplication::clipboard()->setImage(selectionPicture());
        if (key == tSelectionKey::kFinish)
            finishSelection();
        else if (key == tSelectionKey::kDrop || key == tSelectionKey::kCut)
            dropSelection();
    });
}
