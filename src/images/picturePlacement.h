#pragma once

#include <QRect>

#include <cstdint>

#include "images/tLogoPicture.h"

class QImage;
class tgrScreen;
class tlogoobject;

// How "putpicture" lays a picture into a page picture: at its natural size at the target's
// top-left corner or centred in it, tiled over it, or stretched to fill it.
enum class tPutStyle : uint8_t { kUpperLeft = 0, kCentre = 1, kTile = 2, kStretch = 3 };

struct tPutPlacement {
    tPutStyle style = tPutStyle::kCentre;
    QRect target;         // surface pixels, ordered
    bool clipToTarget = false;  // false when the target is the whole picture
};

// Reads "putpicture"'s word-value pairs ("style", "rect", "arect", "pos", "apos", "size",
// "scale" in the current language) for the surface: a missing value or another key fails
// erExpectWord. Without a style, the style is upper-left when a place, size or scale was given,
// else centred. The target defaults to the whole picture; an empty extent reaches the picture's
// edge.
tPutPlacement readPutParameters(tgrScreen& screen, tlogoobject* parameters);

// Draws the picture (with its mask) into `page` as placed; the caller holds the page's lock.
void putPicture(QImage& page, const tLogoPicture& picture, const tPutPlacement& placement);
