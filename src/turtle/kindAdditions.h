#pragma once

#include <vector>

class tLogoTab;
class tmultiobject;

// Families and properties that the layers above the turtle layer add to the graphic kinds (the
// image layer's pictures in and out of pages, for one). They are added at start-up, before the
// kinds' class objects are built, which then register them with their own.
struct tKindAdditions {
    using tFamily = void (*)(tLogoTab& table);
    using tProperties = void (*)(tmultiobject& kindClass);

    std::vector<tFamily> turtleFamilies;
    // A page's families are a turtle's too, as the page's own are: turtles reach the surface
    // they live on.
    std::vector<tFamily> pageFamilies;
    std::vector<tProperties> turtleProperties;
    std::vector<tProperties> pageProperties;
};

tKindAdditions& kindAdditions();
