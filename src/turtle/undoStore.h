#pragma once

class tgrScreen;

// The system's one undo store: a copy of one surface's picture and the surface it belongs to.
// "saveforundo" fills it; undo (from the environment) swaps it with that surface's picture, so
// that a second undo redoes. A surface going away empties it when it holds that surface's copy.

void saveForUndo(tgrScreen& screen);
// False when nothing is stored.
bool undoDrawing();
// The surface the stored copy belongs to; none when the store is empty.
const tgrScreen* undoOwner();
void forgetUndoOf(const tgrScreen& screen);
