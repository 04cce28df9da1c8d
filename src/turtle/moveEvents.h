#pragma once

class tmultiobject;

// What a turtle's move sets off once it is over and the picture's lock is let go: the
// "onBounce" handler when it bounced off an edge, then the "onCollide" handler when the turtle
// is sensitive and now meets another sensitive turtle; the move waits for each.
void announceMove(tmultiobject& turtle, bool bounced);
