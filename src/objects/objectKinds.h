#pragma once

#include <cstdint>

// The 23 kinds of objects (turtle, page, pane ...) and the words the language has for each:
// the first word names the kind's class object, and every other word of the kind stands for it
// when "new" or "newclass" is given a class.

// The code of the class-object name for a kind word; other codes are returned unchanged.
uint32_t kindClassName(uint32_t code);
