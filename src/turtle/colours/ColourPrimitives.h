#pragma once

class tLogoTab;

// "zembrixcolours" and "torgb", which the main object answers.
void registerColourPrimitives(tLogoTab& table);

// Installs the colour converter of values and registers the colour primitives in the main
// object; called once at start-up, after the main object has been built.
void startColours();
