#include "turtle/moveEvents.h"

#include "objects/eventNames.h"
#include "objects/objectEvents.h"
#include "objects/tmultiobject.h"
#include "turtle/tLogoTurtleParams.h"
#include "turtle/turtleAccess.h"
#include "turtle/turtleOverlap.h"

void announceMove(tmultiobject& turtle, bool bounced)
{
    if (bounced) fireEventAndWait(turtle, eventCode(tEventKey::onBounce));
    // Most turtles are not sensitive: they skip reading the overlap mode on every step.
    tLogoTurtleParams& moved = turtleOf(&turtle);
    if (moved.sensitive && moved.shown && meetsSensitiveTurtle(moved, overlapModeSetting()))
        fireEventAndWait(turtle, eventCode(tEventKey::onCollide));
}
