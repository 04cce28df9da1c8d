#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "mainobj/keyboard/tKeyStroke.h"

// A key message that reached the main window (before the focused control sees it), with the
// platform's translation of the key under the current layout and keyboard state.
struct tKeyMessage {
    bool release = false;
    int virtualKey = 0;
    uint8_t modifiers = 0;
    // What the layout gives: no character, one, or two (the second 0 when the first stands
    // alone, as after a dead key that does not combine).
    std::string characters;
    // The key is a dead key of the layout: it only prepares the next one.
    bool deadKey = false;
    // The focused control is a visible text box, which keeps typed keys to itself.
    bool textBoxFocused = false;
};

// The stroke a message makes, if any: special keys by their virtual-key code, others by their
// characters; a control character loses its ctrl bit, a capital letter its lone shift bit, and
// a letter typed with a modifier is upper case. The press after a dead key makes nothing;
// while neither key menus nor a text box want keys and collecting is off, nothing is made;
// Ctrl+Break switches collecting off.
std::optional<tKeyStroke> keyStrokeOfMessage(const tKeyMessage& message);

// The window's whole handling of a key message: Escape lets go of the active tool button; the
// stroke, if any, goes to its key menus and to the queue.
void keyMessageArrived(const tKeyMessage& message);
