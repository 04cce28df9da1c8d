#pragma once

#include <QImage>

#include <cstdint>

// One bitmap of an image: the colour bitmap (Format_RGB32, black under transparent pixels), an
// optional mask (Format_Mono, index 1 = white = transparent), the hot spot (the pixel that sits
// on the turtle's position) and the delay in milliseconds before the next picture of an
// animation. QImage shares its pixels between copies with an atomic count, so copying a picture
// shares its bitmaps, also with the threads that draw and animate shapes.
struct tLogoPicture {
    QImage colour;
    QImage mask;
    int32_t hotX = 0;
    int32_t hotY = 0;
    int32_t delay = 0;

    bool HasImage() const { return !colour.isNull(); }
    bool HasMask() const { return !mask.isNull(); }
    int32_t Width() const { return HasImage() ? colour.width() : 0; }
    int32_t Height() const { return HasImage() ? colour.height() : 0; }
    bool IsTransparent(int x, int y) const;
    // The colour bitmap with the mask as its alpha (Format_ARGB32), for drawing a shape.
    QImage Composed() const;
};

// A mask bitmap of the given size, every pixel opaque.
QImage opaqueMask(int width, int height);
// A mask from any picture: white (and near-white) pixels are transparent.
QImage maskFromBitmap(const QImage& bitmap);
