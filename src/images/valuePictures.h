#pragma once

#include <QImage>

#include "images/tLogoPicture.h"
#include "turtle/realGeometry.h"
#include "turtle/tDrawingList.h"

class tlogoobject;

// Pictures made of the values given where an image is expected ("stamppicture", "putpicture",
// "loadbgpicture", "getimage"): an image gives its first picture, a word names an image file,
// a list is a drawing list drawn with the style and placement it is given. Empty values (the
// empty image too) and other values fail erExpectImage, an image or a list without a picture
// erEmptyImage.

// Where a drawing list is drawn: with this pen, brush and font, from this surface point and
// heading; the point becomes the picture's hot spot.
struct tListPlacement {
    tDrawingStyle style;
    tRealPoint at;
    long double heading = 0;
};

tLogoPicture pictureOfValue(tlogoobject* value, const tListPlacement& placement);

// The drawing list as a picture just large enough for it; the pixels it leaves untouched are
// transparent.
tLogoPicture pictureOfDrawingList(tlogoobject* list, const tListPlacement& placement);

// A picture of an ARGB32 image: its fully transparent pixels are the mask's.
tLogoPicture pictureOfArgb(const QImage& argb, int32_t hotX, int32_t hotY);
