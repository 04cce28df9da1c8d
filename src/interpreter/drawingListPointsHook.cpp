#include "interpreter/drawingListPointsHook.h"

#include "values/eLogoException.h"
#include "values/tLogoList.h"
#include "values/tLogoRef.h"

namespace {

DrawingListPointsRoutine installed = nullptr;

tlogoobject* pointsOf(tlogoobject& receiver, bool asVectors)
{
    // Without the turtle layer nothing knows drawing lists.
    if (!installed) throw eLogoException(erDoNotKnowHowTo);
    tLogoRef<tlogoobject> substituted(static_cast<tLogoList&>(receiver).Substitute());
    return installed(substituted.get(), asVectors);
}

}  // namespace

void setDrawingListPoints(DrawingListPointsRoutine routine) { installed = routine; }

tlogoobject* listToPoints(tlogoobject& receiver) { return pointsOf(receiver, false); }

tlogoobject* listToVectors(tlogoobject& receiver) { return pointsOf(receiver, true); }
