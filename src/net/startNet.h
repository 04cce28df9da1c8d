#pragma once

// Enters the net class into the main object's objects table, so that "new" finds it by its
// kind words. Called once at start-up, under the interpreter lock, after the graphic kinds.
void startNet();
