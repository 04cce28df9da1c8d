#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

// One key event of the main window: a press or a release of a special key (a number of the
// table below) or of a character key (a byte of the language's code page).
struct tKeyStroke {
    uint8_t release = 0;     // 1 for a release
    uint16_t special = 0;    // 0 for a character key
    uint8_t modifiers = 0;   // kShift | kAlt | kCtrl
    uint8_t character = 0;   // 0 for a special key

    bool operator==(const tKeyStroke&) const = default;
};

namespace keyModifier {
constexpr uint8_t kShift = 1;
constexpr uint8_t kAlt = 2;
constexpr uint8_t kCtrl = 4;
}  // namespace keyModifier

namespace specialKey {
// Used only in key-menu patterns: a pattern with it matches every stroke.
constexpr uint16_t kAnyStroke = 3;
constexpr uint16_t kF1 = 59;
constexpr uint16_t kF12 = 70;
constexpr uint16_t kNoKey = 78;
constexpr uint16_t kEnter = 84;
constexpr uint16_t kBackspace = 85;
constexpr uint16_t kTab = 86;
constexpr uint16_t kEscape = 87;
constexpr uint16_t kFirst = kF1;
constexpr uint16_t kLast = kEscape;
}  // namespace specialKey

// Virtual-key codes the keyboard handling needs besides the table's own.
namespace virtualKey {
constexpr int kCancel = 3;  // Ctrl+Break
constexpr int kEscape = 27;
}  // namespace virtualKey

// A special key's internal name (its key in the dictionary section "keynames") and the
// virtual-key code that produces it (0 for the two "nokey" numbers, which no key produces).
struct tSpecialKey {
    uint16_t number;
    const char* name;
    int virtualKey;
};

// The special key of a number from 59 to 87; none for any other number.
std::optional<tSpecialKey> specialKeyOfNumber(uint16_t number);
// The special number a virtual-key code produces, searched from 59 upward; 0 when none does.
uint16_t specialKeyOfVirtualKey(int virtualKey);
