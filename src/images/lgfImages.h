#pragma once

#include <cstdint>
#include <vector>

#include "images/tLogoImage.h"
#include "values/tLogoRef.h"

class tStream;

// Image chunks of the LGF container: "IM 1" holds an image record, "IMZ1" the inflated size and
// a zlib stream of one. A record is the zero angle (double), the loop flag and the style (u8),
// the frame count and the frames; a frame holds an "FS 1" chunk of pictures, a picture the
// chunks "F  1" (hot spot and delay), "FI 1" (colour BMP) and "FM 1" (mask BMP).

// Appends the image as one chunk at the stream's position at the stored compression level
// 0..3, first writing an "LGF04" header when the stream is empty (a stream that is not an
// LGF image file is refused before anything is written).
void appendImageChunk(const tLogoImage& image, tStream& stream, int level);

// Reads the image chunk at the stream's position into `image` unless `skip` is above 0, in
// which case it counts one image down. True when an image was read; the stream is always left
// at the chunk's end. With `firstOnly` only frame 1 and its picture 1 are read. On an error
// the image is left as it was.
bool readImageChunk(tLogoImage& image, tStream& stream, bool firstOnly, int32_t& skip);

// Image number `index` (0-based) of an LGF image file; no frames when there are fewer images.
void readImageFile(tLogoImage& image, tStream& stream, bool firstOnly, int32_t index);

// Every image of the `count` top-level chunks after the header, the last image first.
std::vector<tLogoRef<tLogoImage>> readImageList(tStream& stream, int32_t count);
