#pragma once

#include <string>

class tLogoTab;

// "key?", "readkey", "key" and "lastkey": the reading primitives of the main window's key queue.
void registerKeyboardPrimitives(tLogoTab& table);

// What "readchar" outputs without an input stream: waits for a key and gives its character
// (carriage return for enter, a tab for tab, character 0 for the other special keys and for
// control characters).
std::string waitForKeyCharacter();

// Registers the reading primitives in the main object and lets destroyed objects leave the
// key-menu table; called once at start-up, after the main object has been built.
void startKeyboard();
