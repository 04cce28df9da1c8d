#pragma once

#include <cstdint>
#include <vector>

#include "mainobj/system/dialogFront.h"

// What a "dialogbox" style asks for, after the platform's message-box convention: the low
// four bits choose the buttons, the next four the icon. Codes: 1 OK, 2 Cancel, 3 Abort,
// 4 Retry, 5 Ignore, 6 Yes, 7 No.
struct tDialogStyle {
    std::vector<int> buttons;  // in the order shown
    int escapeCode;            // the answer of a dialog closed without a button
    tDialogIcon icon;
};

// Button sets and icons the convention does not name give OK alone and no icon.
tDialogStyle dialogStyle(int32_t style);

constexpr int32_t kDefaultDialogStyle = 36;  // Yes and No, the question icon
