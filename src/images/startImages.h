#pragma once

// Gives image values their method table, registers the image primitives in the main object,
// lets turtles wear images as shapes and the text primitives use the container's text chunks;
// called once at start-up, with the interpreter lock held, after the main object has been built.
void startImages();
