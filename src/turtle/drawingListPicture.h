#pragma once

#include "turtle/realGeometry.h"
#include "turtle/tTurtleShape.h"

class tDrawingList;

// The drawing list placed at the point and heading, drawn alone on a picture (ARGB32) just
// large enough for it, transparent where it draws nothing, with the point's pixel as the hot
// spot. A null picture when it draws nothing (or is too large to hold).
tTurtleShape::tView drawingListView(tDrawingList& list, tRealPoint at, long double heading);
