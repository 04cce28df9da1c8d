#pragma once

// Registers the music primitives in the main object and the hook that gives an ending
// process's channel back; called once at start-up, after the main object has been built.
void startMusic();
