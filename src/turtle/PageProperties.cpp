#include "turtle/pagePrimitives.h"

#include "objects/eventNames.h"
#include "objects/objectEvents.h"
#include "objects/propertyDeclaration.h"
#include "objects/tmultiobject.h"
#include "turtle/colours/colourValues.h"
#include "turtle/tgrScreen.h"
#include "turtle/turtleAccess.h"
#include "values/tLogoList.h"
#include "values/eLogoException.h"

namespace {

tgrScreen& screen(tmultiobject& object)
{
    tgrScreen* surface = screenOf(object);
    if (!surface) throw eLogoException(erInitTurtle);
    return *surface;
}

tlogoobject* getBgColour(tmultiobject& object) { return colourToValue(tColour::FromRgb(screen(object).backgroundColour)); }
// A new background cleans the picture.
void setBgColour(tmultiobject& object, tlogoobject* value)
{
    tgrScreen& surface = screen(object);
    surface.backgroundColour = colourFromValue(*value).Rgb();
    surface.Clean();
    fireEvent(object, eventCode(tEventKey::onClean));
}

tlogoobject* getOrigin(tmultiobject& object)
{
    tgrScreen& surface = screen(object);
    return newPointList(surface.originX, surface.originY);
}
// Nothing on the picture moves, so the logo coordinates of everything shift.
void setOrigin(tmultiobject& object, tlogoobject* value)
{
    const tRealPoint origin = pointOf(value);
    tgrScreen& surface = screen(object);
    surface.originX = static_cast<int>(roundPixel(origin.x));
    surface.originY = static_cast<int>(roundPixel(origin.y));
}

const tBoundProperty kBgColour{&getBgColour, &setBgColour};
const tBoundProperty kOrigin{&getOrigin, &setOrigin};

}  // namespace

void declarePageProperties(tmultiobject& pageClass)
{
    declareProperty(pageClass, boundPropertyDeclaration(34, {}, 0, kOrigin));
    declareProperty(pageClass, boundPropertyDeclaration(39, {}, 0, kBgColour));
}
