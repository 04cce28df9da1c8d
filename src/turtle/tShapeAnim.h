#pragma once

class tLogoTurtleParams;

// The thread that plays turtles' shape films. Its plan holds the animated turtles whose shown
// frame has a film of two or more pictures, by the time their next picture is due; at that
// time it moves the turtle on to its next picture and plans the one after. It runs no Logo
// code: a step reads and changes the turtle under its page's picture and turtle-list locks, as
// the repaint reads it.

// Plans the turtle's next step after its current picture's delay (scaled by its delayScale),
// replacing the step it had; takes it off the plan when it is not animated or its frame has no
// film. The caller holds no picture lock.
void scheduleShapeStep(tLogoTurtleParams& turtle);

// Takes the turtle off the plan (it stops animating or goes away).
void unscheduleShapeStep(tLogoTurtleParams& turtle);
