#pragma once

// Gives image values their method table, registers the image primitives in the main object and
// lets turtles wear images as shapes; called once at start-up, with the interpreter lock held,
// after the main object has been built.
void startImages();
