#pragma once

#include <QFont>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "turtle/realGeometry.h"
#include "turtle/tFontRecord.h"
#include "turtle/thinLine.h"

class QImage;

// Labels: text written on a picture at a point, rotated with a heading, in a font record.

// The lines of a label: the text split at carriage returns (a line feed right after one is
// part of the break; a line feed alone breaks too).
std::vector<std::string> labelLines(std::string_view text);

// Makes sure fonts can be used: a program without a Qt application gets one (on the window
// thread) the first time. Called before taking a picture's lock, which the window thread may
// be waiting for.
void prepareFonts();

// The font a record stands for, aliased, so that labels are exact pixels.
QFont fontOf(const tFontRecord& record);

struct tTextExtent {
    int width = 0;    // the widest line
    int height = 0;   // every line with the spacing between them
    int ascent = 0;
    int leading = 0;  // the font's external leading
};
tTextExtent measureText(const tFontRecord& record, std::string_view text);

// Where a label lands: its corner points (for repainting and bounds) and the point just after
// the end of its last line, where "label2" leaves the turtle. Surface pixels.
struct tLabelPlacement {
    tRealPoint corners[4];
    tRealPoint end;
};

struct tLabel {
    std::string_view text;
    tRealPoint at;           // surface pixels: the top-left of the first line, or its baseline start
    long double heading = 0; // the baseline runs towards the heading's right
    tFontRecord font;
    uint32_t colour = 0;
    uint32_t background = 0xFFFFFF;  // behind the text with the opaque flag
};

tLabelPlacement placeLabel(const tLabel& label);
// Draws the label into an RGB32 picture whose lock the caller holds.
tLabelPlacement drawLabel(QImage& picture, const tLabel& label, const tPixelRect* clip);
