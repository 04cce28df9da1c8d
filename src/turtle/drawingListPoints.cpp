#include "turtle/drawingListPoints.h"

#include "turtle/tDrawingList.h"
#include "turtle/turtleAccess.h"
#include "values/tListBuilder.h"
#include "values/tLogoList.h"

tLogoList* drawingListPoints(tlogoobject* list, bool asVectors)
{
    tListBuilder points;
    tRealPoint last{0, 0};
    bool first = true;
    for (const std::vector<tRealPoint>& run : drawingListRuns(list)) {
        if (!first) points.Append(new tLogoList);
        first = false;
        for (const tRealPoint& p : run) {
            points.Append(asVectors ? newPointList(p.x - last.x, p.y - last.y) : newPointList(p.x, p.y));
            last = p;
        }
    }
    return points.Take();
}
