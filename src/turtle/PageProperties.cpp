#include "turtle/pagePrimitives.h"

#include <limits>

#include "objects/eventNames.h"
#include "objects/objectEvents.h"
#include "objects/propertyDeclaration.h"
#include "objects/tmultiobject.h"
#include "turtle/anyInputs.h"
#include "turtle/colours/colourValues.h"
#include "turtle/penSettings.h"
#include "turtle/tgrScreen.h"
#include "turtle/turtleAccess.h"
#include "values/tLogoList.h"
#include "values/eLogoException.h"
#include "values/tLogoInt.h"
#include "values/valuePools.h"

namespace {

tgrScreen& screen(tmultiobject& object) { return surfaceOf(object); }

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

tlogoobject* getLineColour(tmultiobject& object) { return colourToValue(tColour::FromRgb(screen(object).lineColour)); }
void setLineColour(tmultiobject& object, tlogoobject* value) { screen(object).lineColour = colourFromValue(*value).Rgb(); }

tlogoobject* getLineWidth(tmultiobject& object) { return NewInteger(screen(object).lineWidth); }
// The line width may be 0 (a one-pixel line, as Qt and the platform's pens draw it).
void setLineWidth(tmultiobject& object, tlogoobject* value)
{
    const int32_t width = isAny(value) ? integerOrAny(value, tAnyRange::kPenWidth) : value->AsInteger();
    if (width < 0) throw eLogoException(erMinMax, 0, std::numeric_limits<int32_t>::max(), value);
    screen(object).lineWidth = width;
}

tlogoobject* getLinePattern(tmultiobject& object) { return NewInteger(screen(object).linePattern); }
void setLinePattern(tmultiobject& object, tlogoobject* value) { screen(object).linePattern = penPatternOf(value); }

const tBoundProperty kBgColour{&getBgColour, &setBgColour};
const tBoundProperty kLineColour{&getLineColour, &setLineColour};
const tBoundProperty kLineWidth{&getLineWidth, &setLineWidth};
const tBoundProperty kLinePattern{&getLinePattern, &setLinePattern};
const tBoundProperty kOrigin{&getOrigin, &setOrigin};

}  // namespace

void declarePageProperties(tmultiobject& pageClass)
{
    declareProperty(pageClass, boundPropertyDeclaration(34, {}, 0, kOrigin));
    declareProperty(pageClass, boundPropertyDeclaration(35, {}, 0, kLineColour));
    declareProperty(pageClass, boundPropertyDeclaration(36, {}, 0, kLineWidth));
    declareProperty(pageClass, boundPropertyDeclaration(39, {}, 0, kBgColour));
    declareProperty(pageClass, boundPropertyDeclaration(123, {}, 0, kLinePattern));
}
