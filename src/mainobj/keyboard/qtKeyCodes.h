#pragma once

// The window reports keys by Qt's key codes (Qt::Key values); the keyboard handling works with
// the virtual-key codes of the special-key table. This is the mapping between them, kept as
// plain numbers so that the main object stays free of Qt.

// The virtual-key code of a Qt key code; 0 for a key that is read as characters.
int virtualKeyOfQtKey(int qtKey);
