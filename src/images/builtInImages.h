#pragma once

#include <string_view>

class tLogoImage;

// Images the program carries itself, named with a leading "*" in the load primitives: "*turtle"
// (the extension ".LGF") is the default turtle, 24 frames of the shape turned by 15 degrees each,
// made once and shared. None for other names.
tLogoImage* builtInImage(std::string_view name, std::string_view extension);
