#include "turtle/turtleLook.h"

#include "turtle/tLogoTurtleParams.h"
#include "turtle/tShapeAnim.h"

void wearShape(tLogoTurtleParams& turtle, tTurtleShapeRef plain)
{
    tTurtleShapeRef worn = plain && turtle.shapeColour ? plain->Recoloured(*turtle.shapeColour) : plain;
    turtle.screen->ChangeLook([&] {
        turtle.plainShape = std::move(plain);
        turtle.shape = std::move(worn);
        turtle.pictureIndex = 0;
    });
    scheduleShapeStep(turtle);
}

void recolourShape(tLogoTurtleParams& turtle, std::optional<uint32_t> colour)
{
    tTurtleShapeRef worn = turtle.plainShape && colour ? turtle.plainShape->Recoloured(*colour) : turtle.plainShape;
    turtle.screen->ChangeLook([&] {
        turtle.shapeColour = colour;
        turtle.shape = std::move(worn);
    });
}
