#pragma once

#include <cstdint>
#include <optional>

#include "turtle/realGeometry.h"
#include "turtle/tFontRecord.h"
#include "turtle/tTurtleShape.h"
#include "turtle/tgrScreen.h"
#include "values/tLogoRef.h"
#include "values/tlogoobject.h"

// How a turtle meets the edge of its range.
enum class tEdgeStyle : uint8_t { kWrap = 0, kWindow = 1, kFence = 2, kBounce = 3 };

// What a move leaves behind: nothing, the pen, the pen XORed with the picture, the background.
enum class tPenState : uint8_t { kUp = 0, kDown = 1, kReverse = 2, kErase = 3 };

struct tPen {
    uint32_t colour = 0;  // 0xRRGGBB
    int32_t width = 1;
    int32_t pattern = 0;
};

struct tBrush {
    uint32_t colour = 0;
    int32_t pattern = 0;
};

// The graphic part of a turtle, kept in the turtle object's hidden variable "@Turtle": where it
// is on its surface, where it looks, its pen and its edge mode. Positions are surface pixels
// (y down); headings are degrees, 0 up, growing clockwise, kept in [0, 360).
class tLogoTurtleParams : public tlogoobject {
public:
    // A turtle at the centre of the surface, registered with it.
    explicit tLogoTurtleParams(tgrScreen& screen);
    ~tLogoTurtleParams() override;

    tlogoobject* Clone() override { return this; }
    const char* ClassName() const override { return "tLogoTurtleParams"; }

    // Brings the heading into [0, 360); a creation list's heading is kept as it is given.
    void SetHeading(long double degrees);
    void SetHeadingAsGiven(long double degrees);
    // SetHeading under the picture's lock, for turns made by commands: the picture is shown
    // with heading and angle of one turn, never one of each.
    void TurnTo(long double degrees);
    long double Heading() const { return heading; }

    // Moves along the heading (backwards for a negative distance) with the turtle's own edge
    // mode and pen; a move that bounced backwards still faces away from its travel. True when
    // it bounced.
    bool Forward(long double distance);
    // Moves to a surface point; true when the move bounced off an edge.
    bool MoveTo(tRealPoint target, tEdgeStyle style, tPenState state);
    // Jumps home without drawing, and makes the place it landed the new home; true when it
    // bounced on the way.
    bool Home();
    // Sets the turtle's own range (none for the whole picture) and puts the turtle inside it,
    // without drawing, unless it is in window mode.
    void SetRange(const std::optional<tRealRect>& range);
    // Leaves the surface's turtle list (the turtle object is going away).
    void Detach();

    // cos and sin of mathAngle; exact along the axes, so that moves along them stay on whole
    // pixels instead of collecting the rounding of pi.
    tRealPoint Direction() const;
    // The heading that points from the turtle to a surface point.
    long double Towards(tRealPoint target) const;
    // The rectangle the turtle keeps to: its own range, else the surface's full range.
    tRealRect Range() const { return hasRange ? rangeRect : screen->range; }

    long double heading = 0;
    long double mathAngle = 0;
    tPen pen;
    tBrush brush;
    tPenState penState = tPenState::kDown;
    tFontRecord font;
    tEdgeStyle rangeStyle = tEdgeStyle::kWrap;
    tRealRect rangeRect;
    bool hasRange = false;
    tRealPoint position;
    tRealPoint homePosition;
    long double homeHeading = 0;
    tLogoRef<tgrScreen> screen;
    // The turtle object this is the graphic part of; not counted, the object outlives it on
    // the surface (it detaches when destroyed).
    tlogoobject* owner = nullptr;
    int32_t turtleNumber = 0;
    bool shown = false;
    // The shape worn (none: the kind's default look), the value "shape" reads back, the frame
    // number set by "frame" (0-based) and whether the frames follow it instead of the heading.
    // The shape is swapped under the surface's turtle-list lock (tgrScreen::ChangeLook).
    tTurtleShapeRef shape;
    tLogoRef<tlogoobject> shapeValue;
    int32_t frameIndex = 0;
    bool frameMode = false;
    // The shape as it was made; `shape` is that, recoloured to `shapeColour` while one is set
    // (it then follows the pen colour).
    tTurtleShapeRef plainShape;
    std::optional<uint32_t> shapeColour;
    // What the shown picture is scaled by, about its hot spot.
    long double scaleX = 1;
    long double scaleY = 1;
    // The picture of the shown frame's film (0-based), which the animation moves on when
    // `animated`, at `delayScale` times the pictures' delays.
    int32_t pictureIndex = 0;
    bool animated = false;
    long double delayScale = 1;
    // Whether the turtle takes part in collision events ("sensitive").
    bool sensitive = false;
    // Whether a point on a transparent pixel of the shape counts as on the turtle.
    bool transparentClick = false;
    // The rectangle the picture is shown in (bounds inclusive, as `rangeRect`); none: anywhere.
    std::optional<tRealRect> shownRange;

private:
    bool registered_ = false;
};

// The same heading in [0, 360).
long double normalHeading(long double degrees);

// The heading of a direction given in surface differences (dy positive upwards): 0 up, 90
// right; 0 for no direction at all.
long double headingOf(long double dx, long double dy);
