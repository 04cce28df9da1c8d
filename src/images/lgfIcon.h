#pragma once

#include <QImage>

class tStream;

// The project's preview picture: "IC 1" holds a BMP file, "ICZ1" the inflated size and a zlib
// stream of one.

// The first icon chunk's bitmap; a null image when the stream is not LGF or has none.
QImage readIconChunk(tStream& stream);
// Appends the icon at the stream's position at the stored compression level 0..3; nothing for
// a null bitmap.
void writeIconChunk(tStream& stream, const QImage& bitmap, int level);
