#pragma once

#include <Qt>

#include <vector>

class QImage;
class QPainter;

#include "turtle/realGeometry.h"
#include "turtle/tLogoTurtleParams.h"
#include "turtle/thinLine.h"

// Draws one segment of a move into the surface's picture (whose lock the caller holds) with the
// pen as the pen state wants it: nothing when up, the pen's colour when down, XOR with it when
// reversing, the background colour when erasing. The end points are the rounded positions; the
// segment is clipped to `clip` (the turtle's own range) when given.
void drawPenSegment(tgrScreen& screen, tRealPoint from, tRealPoint to, const tPen& pen, tPenState state,
                    const tPixelRect* clip);

// A line wider than one pixel, or in a pen style other than solid, from the start to the end,
// the end column left out.
void drawStyledLine(QImage& picture, tPixel from, tPixel to, uint32_t colour, int width, Qt::PenStyle style,
                    tRasterMode mode, const tPixelRect* clip);
// Qt's style of a pen pattern number; solid for numbers outside the table.
Qt::PenStyle qtPenStyle(int32_t pattern);

// A filled disc of diameter n in the colour: one pixel for n = 1, else the ellipse in the box
// from (x - n div 2, y - n div 2) with n pixels on each side.
void drawDisc(QImage& picture, tPixel centre, int32_t diameter, uint32_t colour, const tPixelRect* clip);

// The ellipse in the box from (left, top) to (right, bottom), right and bottom excluded,
// outlined with the pen and, when a brush is given, filled with it.
void drawEllipse(QImage& picture, const tPixelRect& box, const tPen& pen, const tBrush* brush,
                 const tPixelRect* clip);

// The rectangle from (left, top) to (right, bottom), right and bottom excluded, outlined with
// the pen and, when a brush is given, filled with it.
void drawRectangle(QImage& picture, const tPixelRect& box, const tPen& pen, const tBrush* brush, const tPixelRect* clip);

// A chain of segments with the pen in copy mode: a thin solid pen sets every pixel of each
// segment, its end included; wider and styled pens go through Qt with flat caps and mitred
// joints.
void drawPolyline(QImage& picture, const std::vector<tPixel>& points, const tPen& pen, const tPixelRect* clip);
// The polygon through the points, filled with the brush by the even-odd rule and outlined
// with the pen.
void drawPolygon(QImage& picture, const std::vector<tPixel>& points, const tPen& pen, const tBrush& brush,
                 const tPixelRect* clip);
// Qt's brush of a fill pattern number; solid for numbers outside the table.
Qt::BrushStyle qtBrushStyle(int32_t pattern);

// A painter on the picture as the drawing rules want it: aliased, clipped to the own range
// when one is given.
void preparePainter(QPainter& painter, const tPixelRect* clip);

// The pixel rectangle a turtle's own range clips its drawing to.
tPixelRect rangeClip(const tRealRect& range);
