#include "mainobj/keyboard/qtKeyCodes.h"

#include <array>

namespace {

struct tQtKey {
    int qtKey;
    int virtualKey;
};

constexpr int kQtF1 = 0x01000030;

constexpr std::array<tQtKey, 18> kQtKeys = {{
    {0x01000000, 27},  // Escape
    {0x01000001, 9},   // Tab
    {0x01000002, 9},   // Backtab: Qt's name for Shift+Tab
    {0x01000003, 8},   // Backspace
    {0x01000004, 13},  // Return
    {0x01000005, 13},  // Enter of the keypad
    {0x01000006, 45},  // Insert
    {0x01000007, 46},  // Delete
    {0x0100000b, 12},  // Clear: keypad 5 without Num Lock
    {0x01000010, 36},  // Home
    {0x01000011, 35},  // End
    {0x01000012, 37},  // Left
    {0x01000013, 38},  // Up
    {0x01000014, 39},  // Right
    {0x01000015, 40},  // Down
    {0x01000016, 33},  // PageUp
    {0x01000017, 34},  // PageDown
    {0x01020001, 3},   // Cancel: Ctrl+Break
}};

}  // namespace

int virtualKeyOfQtKey(int qtKey)
{
    // F1 to F12 follow each other in both numberings.
    if (qtKey >= kQtF1 && qtKey < kQtF1 + 12) return 112 + (qtKey - kQtF1);
    for (const tQtKey& key : kQtKeys)
        if (key.qtKey == qtKey) return key.virtualKey;
    return 0;
}
