#pragma once

#include <QImage>

#include <cstdint>
#include <functional>
#include <memory>

class tlogoobject;

// What a turtle wears over its page. The turtle layer only shows shapes; the layers above supply
// them (image values, see images/imageShapes), so a shape is asked for a finished picture. Shapes
// never change once made and are drawn by the repaint without the interpreter lock.
class tTurtleShape {
public:
    // One picture to draw: ARGB32 with transparency, and the pixel that sits on the turtle.
    struct tView {
        QImage picture;
        int32_t hotX = 0;
        int32_t hotY = 0;
        int32_t delay = 0;  // milliseconds before the next picture of an animation
    };

    virtual ~tTurtleShape() = default;
    // The frame (0-based) shown for a heading, or for the frame number the turtle set when the
    // shape has numbered frames (or the turtle's frame mode asks for them).
    virtual int32_t FrameFor(long double heading, int32_t frameIndex, bool frameMode) const = 0;
    virtual int32_t FrameCount() const = 0;
    // The picture of a frame's film; a null picture when the frame holds none.
    virtual tView View(int32_t frame, int32_t picture) const = 0;

    // A frame's film as an animation plays it: its pictures, the one after `picture` (the
    // first again at the end, or the last kept when the film does not loop), and how long a
    // picture stays at the speed factor, in milliseconds.
    virtual int32_t PictureCount(int32_t frame) const = 0;
    virtual int32_t NextPicture(int32_t frame, int32_t picture) const = 0;
    virtual int64_t StepDelay(int32_t frame, int32_t picture, long double speed) const = 0;

    // The same shape with every picture recoloured to the colour (0xRRGGBB).
    virtual std::shared_ptr<const tTurtleShape> Recoloured(uint32_t colour) const = 0;
};

using tTurtleShapeRef = std::shared_ptr<const tTurtleShape>;

// Makes a shape of a Logo value ("shape" property); installed at start-up by the layer that
// knows the value kinds. It raises the Logo error for values it cannot wear.
using tTurtleShapeMaker = std::function<tTurtleShapeRef(tlogoobject* value)>;
void setTurtleShapeMaker(tTurtleShapeMaker maker);
const tTurtleShapeMaker& turtleShapeMaker();
