#pragma once

class tmultiobject;

// A destroyed object may still be running: the procedure that erased it can be its own or one
// of its class's or behaviours'. Destroyed objects are therefore kept until the command that
// destroyed them has ended, and let go only then. Both calls need the interpreter lock.
void keepUntilCommandEnds(tmultiobject* object);
// Lets go of every object kept so far: called when a command has ended.
void releaseDestroyedObjects();
