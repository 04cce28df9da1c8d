#include "turtle/turtlePrimitives.h"

#include "interpreter/tProcessContext.h"
#include "mainobj/primitiveTable.h"
#include "mainobj/tPrimitiveCall.h"
#include "objects/creationList.h"
#include "objects/objectProperties.h"
#include "objects/tmultiobject.h"
#include "turtle/tLogoTurtleParams.h"
#include "turtle/tlogopage.h"
#include "turtle/turtleAccess.h"
#include "values/eLogoException.h"
#include "values/tLogoRef.h"

// A new turtle's graphic part, made from its creation list when its "create" runs.

namespace {

tmultiobject& creating() { return *static_cast<tmultiobject*>(requireContext().currentObject); }

// The position the creation list asks for, else the centre of the picture.
tRealPoint startPosition(tgrScreen& screen)
{
    tRealPoint at{static_cast<long double>(screen.Width() / 2), static_cast<long double>(screen.Height() / 2)};
    tLogoRef<tlogoobject> given;
    const int which = takeCreationAlternative({property::kAPos, property::kPos}, given);
    if (which == 0) at = pointOf(given.get());
    if (which == 1) {
        const tRealPoint logo = pointOf(given.get());
        at = screen.ToSurface(logo.x, logo.y);
    }
    if (tLogoRef<tlogoobject> x = takeCreationValue(property::kXCor)) at.x = screen.ToSurface(x->AsReal(), 0).x;
    if (tLogoRef<tlogoobject> y = takeCreationValue(property::kYCor)) at.y = screen.ToSurface(0, y->AsReal()).y;
    return at;
}

tlogoobject* createTurtle(tPrimitiveCall&)
{
    tmultiobject& object = creating();
    tgrScreen* screen = object.place ? screenOf(*object.place) : nullptr;
    if (!screen) throw eLogoException(erInvalidPlace);
    tLogoRef<tLogoTurtleParams> turtle(new tLogoTurtleParams(*screen));
    turtle->position = startPosition(*screen);
    turtle->homePosition = turtle->position;
    if (tLogoRef<tlogoobject> heading = creationValueOrDefault(object, property::kHeading))
        turtle->SetHeadingAsGiven(heading->AsReal());
    turtle->homeHeading = turtle->heading;
    turtle->owner = &object;
    attachTurtle(object, turtle.get());
    if (auto* page = tlogopage::Enclosing(object.place)) page->TakeFirstTurtle(object);
    turtle->shown = true;
    return nullptr;
}

tlogoobject* destroyTurtle(tPrimitiveCall&)
{
    turtleOf(&creating()).Detach();
    return nullptr;
}

constexpr tPrimitiveRow kLifecycleRows[] = {
    {"create", 0, kFixedInputs, &createTurtle},
    {"destroy", 0, kFixedInputs, &destroyTurtle},
};

}  // namespace

void registerTurtleLifecycle(tLogoTab& table) { registerPrimitives(table, kLifecycleRows); }
