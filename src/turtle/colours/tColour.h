#pragma once

#include <cstdint>

// A colour as red, green and blue bytes. Values hand colours around packed as 0x00RRGGBB
// (tlogoobject::AsColor), which is also how the drawing code stores them.
struct tColour {
    uint8_t red = 0;
    uint8_t green = 0;
    uint8_t blue = 0;

    static constexpr tColour FromRgb(uint32_t rgb)
    {
        return {static_cast<uint8_t>(rgb >> 16), static_cast<uint8_t>(rgb >> 8), static_cast<uint8_t>(rgb)};
    }
    constexpr uint32_t Rgb() const { return uint32_t(red) << 16 | uint32_t(green) << 8 | blue; }

    friend constexpr bool operator==(tColour, tColour) = default;
};
