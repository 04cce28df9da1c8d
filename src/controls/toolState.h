#pragma once

#include <cstdint>

// What a tool button holds besides its caption and whether it is "down".
struct tToolState {
    // Tool buttons of a group other than 0 are tools: one stays down while it is the active
    // tool button. Group 0 makes a plain button of a tool bar, down only while held.
    int32_t group = 1;
    // Pressing the tool that is down raises it; when false, only another tool, Escape or a
    // program raises it.
    bool allUp = true;
    // Shows its frame only while the pointer is over it.
    bool flat = false;
    // Raised again after one tool action.
    bool oneShot = false;
    // What it shows: 0 its picture (its caption without one), 1 its caption, 2 the caption beside
    // the picture, 3 the caption under it.
    int32_t style = 0;
};
