#pragma once

#include <string>
#include <string_view>

#include "mainobj/keyboard/tKeyStroke.h"

// Key words in the current language: every word is an entry of the dictionary section
// "keynames" (special keys, "space", and the prefixes "off.", "shift.", "ctrl.", "alt.").

// The name "key" and "lastkey" give a stroke, read left to right: off, alt, shift, ctrl, key.
std::string keyStrokeName(const tKeyStroke& stroke);

// The pattern a key word of a key menu stands for; erUnknownKeyMenu with the word when it is
// neither a character, a modified letter nor a known key name.
tKeyStroke keyWordPattern(std::string_view word);
