#pragma once

#include <QColor>

#include <cstdint>

// A pixel recoloured to the colour (0xRRGGBB): the colour scaled by the pixel's brightness, so
// that white becomes the colour and black stays black; alpha is kept.
inline QRgb tintedPixel(QRgb pixel, uint32_t colour)
{
    const int brightness = qGray(pixel);
    const int red = (colour >> 16) & 0xFF, green = (colour >> 8) & 0xFF, blue = colour & 0xFF;
    return qRgba(red * brightness / 255, green * brightness / 255, blue * brightness / 255, qAlpha(pixel));
}
