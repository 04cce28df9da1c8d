#include "turtle/pagePrimitives.h"

#include <limits>
#include <string>
#include <vector>

#include "objects/eventNames.h"
#include "objects/objectEvents.h"
#include "mainobj/tMainLogoObject.h"
#include "objects/objectNames.h"
#include "objects/propertyDeclaration.h"
#include "objects/tControlObject.h"
#include "objects/tmultiobject.h"
#include "turtle/anyInputs.h"
#include "turtle/colours/colourValues.h"
#include "turtle/controlProperties.h"
#include "turtle/penSettings.h"
#include "turtle/tgrScreen.h"
#include "turtle/tlogopage.h"
#include "turtle/turtleAccess.h"
#include "values/tLogoList.h"
#include "values/eLogoException.h"
#include "values/tListBuilder.h"
#include "values/tLogoInt.h"
#include "values/tLogoString.h"
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

tlogopage& page(tmultiobject& object)
{
    auto* found = dynamic_cast<tlogopage*>(&object);
    if (!found) throw eLogoException(erInitTurtle);
    return *found;
}

// The owners' names joined by apostrophes, outermost first, up to the main object, from which
// every path is read.
std::string objectPath(tControlObject& object)
{
    std::string path = object.name;
    for (auto* owner = dynamic_cast<tControlObject*>(object.owner); owner && owner != &mainLogoObject();
         owner = dynamic_cast<tControlObject*>(owner->owner))
        path = owner->name + "'" + path;
    return path;
}

// The receivers that still exist: by plain name when the page holds them, else by their full
// name; one as a word, several as a list.
tlogoobject* getPageWho(tmultiobject& object)
{
    tlogopage& shown = page(object);
    tLogoRef<tlogoobject> living(shown.Receivers());
    std::vector<std::string> names;
    for (tlogoobject* receiver : elements(static_cast<tLogoList*>(living.get()))) {
        auto* control = dynamic_cast<tControlObject*>(receiver);
        const bool held = !control || control->owner == &shown;
        names.push_back(held ? static_cast<tmultiobject*>(receiver)->name : objectPath(*control));
    }
    if (names.size() == 1) return NewWord(names.front());
    tListBuilder list;
    for (const std::string& name : names) list.Append(NewWord(name));
    return list.Take();
}
// Names are read as "tell" reads them: a word or a list of words, each found from the page
// and then from the object the instruction runs in.
void setPageWho(tmultiobject& object, tlogoobject* value)
{
    tlogopage& shown = page(object);
    std::vector<tlogoobject*> names;
    if (value->IsWord()) {
        names.push_back(value);
    } else if (value->IsList()) {
        for (tlogoobject* name : elements(static_cast<tLogoList*>(value))) {
            if (!name->IsWord()) throw eLogoException(erExpectList, value);
            names.push_back(name);
        }
    } else {
        throw eLogoException(erExpectList, value);
    }
    std::vector<tmultiobject*> objects;
    for (tlogoobject* name : names) {
        tmultiobject* found = resolveObjectPath(&shown, name->WordText());
        if (!found) found = resolveObjectPath(&addressedObject(), name->WordText());
        if (!found) throw eLogoException(erNoObject, name);
        objects.push_back(found);
    }
    shown.SetReceivers(objects, value);
}

const tBoundProperty kBgColour{&getBgColour, &setBgColour};
const tBoundProperty kPageWho{&getPageWho, &setPageWho};
const tBoundProperty kLineColour{&getLineColour, &setLineColour};
const tBoundProperty kLineWidth{&getLineWidth, &setLineWidth};
const tBoundProperty kLinePattern{&getLinePattern, &setLinePattern};
const tBoundProperty kOrigin{&getOrigin, &setOrigin};

}  // namespace

namespace {

// In the order they are declared, which is the order projects write them in.
struct tSurfaceProperty {
    int32_t number;
    const tBoundProperty& functions;
    bool pageOnly;
};
const tSurfaceProperty kSurfaceProperties[] = {
    {34, kOrigin, false}, {35, kLineColour, false}, {36, kLineWidth, false},
    {38, kPageWho, true},     {39, kBgColour, false},   {123, kLinePattern, false},
};

void declareSurfaceRows(tmultiobject& surfaceClass, bool page)
{
    for (const tSurfaceProperty& row : kSurfaceProperties)
        if (page || !row.pageOnly)
            declareProperty(surfaceClass, boundPropertyDeclaration(row.number, {}, 0, row.functions));
}

}  // namespace

namespace {

// A page fills what shows it: it has a size, but no corner of its own and no "shown".
tControlBounds pageBounds(tmultiobject& object)
{
    tgrScreen& surface = screen(object);
    return {0, 0, surface.Width(), surface.Height()};
}
void setPageBounds(tmultiobject& object, const tControlBounds& bounds)
{
    tgrScreen& surface = screen(object);
    if (bounds.width != surface.Width() || bounds.height != surface.Height()) surface.Resize(bounds.width, bounds.height);
}
const tControlKind kPageKind{&pageBounds, &setPageBounds};

}  // namespace

void declarePageProperties(tmultiobject& pageClass)
{
    declareControlProperties(pageClass, kPageKind);
    removeControlPlacement(pageClass);
    declareSurfaceRows(pageClass, true);
}

void declareSurfaceProperties(tmultiobject& paneClass) { declareSurfaceRows(paneClass, false); }
