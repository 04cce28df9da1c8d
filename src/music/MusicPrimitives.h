#pragma once

class tLogoTab;

// "play", "note", "rest" and "setinstrument" of the main object.
void registerMusicPrimitives(tLogoTab& table);
