#pragma once

class tlogoobject;
class tmultiobject;

// "glide": the turtle follows the points of a drawing list in steps, as seen from its heading
// at the start, waiting (or running the "todo" list) after each step. The jump to the path's
// start and between its pieces is made with the pen up; the pen state is as before afterwards.
void glideTurtle(tmultiobject& object, tlogoobject* path, tlogoobject* parameters);
