#pragma once

class tStream;
class tLogoImage;

// The legacy LGW image format (read only): a record count, then records of a header, a colour
// BMP and an optional mask BMP, each record one frame of one picture. Headers come in a long
// form (int32 sizes, int16 hot spot) and a short one (u16 sizes, int8 hot spot), told apart by
// the word after the count. The image gets style heading; with `firstOnly` only the first
// record is read. Damaged data raises eStreamError and leaves the image as it was.
void readLgwImage(tLogoImage& image, tStream& stream, bool firstOnly);
