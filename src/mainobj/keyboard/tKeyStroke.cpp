#include "mainobj/keyboard/tKeyStroke.h"

#include <array>

namespace {

// Numbers 59 to 87 in order.
constexpr std::array<tSpecialKey, 29> kSpecialKeys = {{
    {59, "f1", 112},        {60, "f2", 113},      {61, "f3", 114},     {62, "f4", 115},
    {63, "f5", 116},        {64, "f6", 117},      {65, "f7", 118},     {66, "f8", 119},
    {67, "f9", 120},        {68, "f10", 121},     {69, "f11", 122},    {70, "f12", 123},
    {71, "home", 36},       {72, "up", 38},       {73, "pageup", 33},  {74, "nokey", 0},
    {75, "left", 37},       {76, "num5", 12},     {77, "right", 39},   {78, "nokey", 0},
    {79, "end", 35},        {80, "down", 40},     {81, "pagedown", 34}, {82, "insert", 45},
    {83, "delete", 46},     {84, "enter", 13},    {85, "backspace", 8}, {86, "tab", 9},
    {87, "esc", 27},
}};

}  // namespace

std::optional<tSpecialKey> specialKeyOfNumber(uint16_t number)
{
    if (number < specialKey::kFirst || number > specialKey::kLast) return std::nullopt;
    return kSpecialKeys[number - specialKey::kFirst];
}

uint16_t specialKeyOfVirtualKey(int virtualKey)
{
    if (virtualKey == 0) return 0;
    for (const tSpecialKey& key : kSpecialKeys)
        if (key.virtualKey == virtualKey) return key.number;
    return 0;
}
