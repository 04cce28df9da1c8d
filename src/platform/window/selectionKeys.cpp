#include "platform/window/selectionKeys.h"

#include <QBuffer>
#include <QImage>
#include <QKeyEvent>

#include <string>

#include "mainobj/tClipboard.h"

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

namespace {

// The picture as the clipboard keeps bitmaps: a BMP file.
std::string bitmapFile(const QImage& picture)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "BMP");
    return std::string(bytes.constData(), static_cast<size_t>(bytes.size()));
}

}  // namespace

void actOnSelection(tSelectionKey key)
{
    if (key == tSelectionKey::kNone) return;
    runUnderInterpreter("@selectionkey", [key] {
        if (!selectionExists()) return;
        if (key == tSelectionKey::kCopy || key == tSelectionKey::kCut)
            clipboard().SetData(tClipboard::kImage, bitmapFile(selectionPicture()));
        if (key == tSelectionKey::kFinish)
            finishSelection();
        else if (key == tSelectionKey::kDrop || key == tSelectionKey::kCut)
            dropSelection();
    });
}
