#pragma once

class tLogoList;
class tlogoobject;

// The points of a drawing list for the list operations "topoints" and "tovectors". Drawing
// lists belong to the turtle layer above; it supplies the routine at start-up.
using DrawingListPointsRoutine = tLogoList* (*)(tlogoobject* list, bool asVectors);

void setDrawingListPoints(DrawingListPointsRoutine routine);

// "topoints" and "tovectors" on a list receiver: its "!" form, walked by the routine.
tlogoobject* listToPoints(tlogoobject& receiver);
tlogoobject* listToVectors(tlogoobject& receiver);
