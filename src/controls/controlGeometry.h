#pragma once

class tgrScreen;
class tlogoobject;

// Positions and sizes of controls as Logo gives them: whole pixels of the surface they lie on.

struct tPixelPoint {
    int x;
    int y;
};

// [left top] in pixels; erExpectList2 when it is no list of two numbers.
tPixelPoint pixelPointOf(tlogoobject* value);
// [x y] in the surface's logo coordinates, as pixels.
tPixelPoint placePixelsOf(const tgrScreen& surface, tlogoobject* value);
