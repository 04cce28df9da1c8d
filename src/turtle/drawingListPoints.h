#pragma once

class tLogoList;
class tlogoobject;

// The points a drawing list goes through, for the list operations "topoints" and "tovectors":
// the points of each of its lines and outlines as [x y] (x right, y up, from where the list
// starts), an empty list between two of them. With `asVectors` each point is given as the
// difference from the point before (the first of a line from the last of the line before,
// the very first from [0 0]). The empty list gives a new empty list.
tLogoList* drawingListPoints(tlogoobject* list, bool asVectors);
