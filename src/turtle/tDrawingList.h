#pragma once

#include <cstdint>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "turtle/realGeometry.h"
#include "turtle/tFontRecord.h"
#include "turtle/tLogoTurtleParams.h"
#include "turtle/thinLine.h"
#include "values/tLogoRef.h"

class QImage;
class tlogoobject;

// The words of a drawing list by what they do; the numbers are those stored items carry.
// Kinds 4, 5, 7, 8 and 20 change the style of what follows; 2, 3, 10, 12, 13, 21 and 22 draw;
// the others exist only while the list is read.
enum class tDrawingKind : uint8_t {
    kPenUp = 0, kPenDown, kPolygon, kPath, kPenColour, kFillColour, kFillPattern, kPenWidth, kPenPattern,
    kCircle, kEllipse, kFilledCircle, kFilledEllipse, kDot, kPoint, kPos, kHeading, kOutline, kSpline,
    kVectors, kFont, kLabel, kLabel2, kForward, kBack, kRight, kLeft, kRepeat,
};

// What a drawing list starts with: for a turtle its own pen, brush and font.
struct tDrawingStyle {
    tPen pen;
    tBrush brush;
    tFontRecord font;
};

// One compiled element. Coordinates are those of the list: x right, y up, relative to where
// the list is placed; headings in degrees, 0 up, clockwise.
struct DrawingItem {
    std::vector<tRealPoint> points;  // polygons and paths
    std::string text;                // labels
    tDrawingKind kind = tDrawingKind::kPath;
    int32_t style = 0;               // pen or fill pattern
    uint32_t value = 0;              // colour, pen width or dot diameter
    tRealPoint centre;               // ellipses, dots and labels
    tRealPoint semiAxes;
    long double heading = 0;         // ellipses and labels
    tFontRecord font;
};

// Reads a drawing list into items (erExpectWord, erDrawingComm and the other errors of its
// words). Exposed for the list's own tests and for paths that are followed, not drawn.
std::vector<DrawingItem> compileDrawingItems(tlogoobject* source, const tDrawingStyle& start);

// The points of the list's lines and outlines (paths and polygons), one run per item, in list
// coordinates; what a glide follows and "topoints" gives.
std::vector<std::vector<tRealPoint>> drawingListRuns(tlogoobject* source);

// A vector picture made from a drawing list: compiled once, then placed at a position with a
// scale and a heading (the placement is cached until one of them changes), then drawn or
// hit-tested at that placement.
class tDrawingList {
public:
    tDrawingList(tlogoobject* source, const tDrawingStyle& start);

    void Place(tRealPoint position, long double scaleX, long double scaleY, long double heading);
    // The pixels the placed picture may touch, pen widths and labels included; empty (right
    // below left) for a list that draws nothing.
    tPixelRect Bounds();
    // Draws the placed picture into an RGB32 picture whose lock the caller holds; `background`
    // is what opaque labels are written on.
    void Render(QImage& picture, uint32_t background, const tPixelRect* clip);
    // Whether a surface point touches the placed picture.
    bool HitTest(tRealPoint point);

    size_t Count() const { return items_.size(); }
    // erInternDrawingIndex past the end.
    const DrawingItem& Item(size_t index) const;

private:
    struct tPlaced {
        std::vector<tRealPoint> points;  // surface pixels; the outline of ellipses too
        tRealPoint centre;
        tRealPoint semiAxes;
        long double heading = 0;
    };
    struct tPlacement {
        tRealPoint position;
        long double scaleX = 1, scaleY = 1, heading = 0;
        bool operator==(const tPlacement&) const = default;
    };

    void Transform();

    std::vector<DrawingItem> items_;
    tLogoRef<tlogoobject> source_;
    tDrawingStyle start_;
    tPlacement placement_;
    tPixelRect bounds_;
    std::mutex lock_;
    bool placed_ = false;
    std::vector<tPlaced> placedItems_;
};
