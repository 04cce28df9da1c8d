#pragma once

#include <cstdint>

class tlogoobject;

// Colours (palette numbers, names, [r g b] lists) are read by the colour layer, which sits above
// values and registers its converter at start-up. Without it every value fails erExpectColors.
using ColorConverter = uint32_t (*)(tlogoobject& value);
void setColorConverter(ColorConverter converter);

// 0x00RRGGBB; any failure inside the converter becomes erExpectColors with the value.
uint32_t convertToColor(tlogoobject& value);
