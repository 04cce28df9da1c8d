#pragma once

// Gives image values their method table and registers the image primitives in the main
// object; called once at start-up, with the interpreter lock held, after the main object has
// been built.
void startImages();
