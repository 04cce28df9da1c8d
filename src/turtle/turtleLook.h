#pragma once

#include <cstdint>
#include <optional>

#include "turtle/tTurtleShape.h"

class tLogoTurtleParams;

// Puts the shape on (none: the default look), recoloured while the turtle has a shape colour;
// its film starts from the first picture and the animation is planned anew.
void wearShape(tLogoTurtleParams& turtle, tTurtleShapeRef plain);
// Sets the shape colour (none: the shape's own colours) and wears the shape in it.
void recolourShape(tLogoTurtleParams& turtle, std::optional<uint32_t> colour);
