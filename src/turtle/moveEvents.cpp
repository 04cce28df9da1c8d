#include "turtle/moveEvents.h"

#include "objects/eventNames.h"
#include "objects/objectEvents.h"
#include "objects/tmultiobject.h"
#include "turtle/turtleAccess.h"
#include "turtle/turtleOverlap.h"

void announceMove(tmultiobject& turtle, bool bounced)
{
    if (bounced) fireEventAndWait(turtle, eventCode(tEventKey::onBounce));
    if (meetsSensitiveTurtle(turtleOf(&turtle), overlapModeSetting()))
        fireEventAndWait(turtle, eventCode(tEventKey::onCollide));
}
