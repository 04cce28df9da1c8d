#pragma once

#include "mainobj/keyboard/keyMessages.h"

class QKeyEvent;

// The key message of a Qt key press or release: the special key by its virtual-key code, the
// characters Qt's layout translation gives in the language's code page, and the modifiers.
// `textBox`: the key went to a text field of the window, which keeps typed keys to itself.
tKeyMessage keyMessageOf(const QKeyEvent& event, bool textBox);
