#pragma once

class QKeyEvent;

// Keys that work the selection frame (turtle/selectionFrame.h) while there is one: Enter or
// Escape stamps it where it lies, Delete takes it away (a selection cut from the picture leaves
// its cleared rectangle), Ctrl+C or Ctrl+Insert copies its picture to the clipboard, Ctrl+X or
// Shift+Delete copies it and takes it away.
enum class tSelectionKey { kNone, kFinish, kDrop, kCopy, kCut };

tSelectionKey selectionKeyOf(const QKeyEvent& event);

// Does what the key asks of the selection, if there is one, under the interpreter lock; the
// picture goes to the program's clipboard (mainobj/tClipboard.h) as a bitmap. Returns at once.
void actOnSelection(tSelectionKey key);
