#include "turtle/turtlePrimitives.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <mutex>
#include <optional>
#include <string>

#include "objects/destructionHooks.h"
#include "objects/propertyDeclaration.h"
#include "objects/tmultiobject.h"
#include "turtle/colours/colourValues.h"
#include "turtle/hintProperty.h"
#include "turtle/tLogoTurtleParams.h"
#include "turtle/tShapeAnim.h"
#include "turtle/turtleAccess.h"
#include "turtle/turtleLook.h"
#include "values/eLogoException.h"
#include "values/tLogoBool.h"
#include "values/tLogoInt.h"
#include "values/tLogoList.h"
#include "values/tLogoString.h"
#include "values/tLogoRef.h"
#include "values/valuePools.h"

// How a turtle's shape is shown: scaled, recoloured, its film played; whether its transparent
// pixels count as the turtle; the hint its tooltip shows (turtles, pages and panes).

namespace {

tLogoTurtleParams& turtle(tmultiobject& object) { return turtleOf(&object); }

// One number for both factors when they are equal, else [sx sy].
tlogoobject* getShapeScale(tmultiobject& object)
{
    tLogoTurtleParams& t = turtle(object);
    if (t.scaleX == t.scaleY) return newCoordinate(t.scaleX);
    return newPointList(t.scaleX, t.scaleY);
}
// A number or [sx sy]; only their sizes count.
void setShapeScale(tmultiobject& object, tlogoobject* value)
{
    const tRealPoint factors = value->IsList() ? pointOf(value) : tRealPoint{value->AsReal(), value->AsReal()};
    tLogoTurtleParams& t = turtle(object);
    t.screen->ChangeLook([&] {
        t.scaleX = std::fabs(factors.x);
        t.scaleY = std::fabs(factors.y);
    });
}

tlogoobject* getShapeColour(tmultiobject& object)
{
    tLogoTurtleParams& t = turtle(object);
    if (!t.shapeColour) return new tLogoList;
    return colourToValue(tColour::FromRgb(*t.shapeColour));
}
// The empty list shows the shape in its own colours again.
void setShapeColour(tmultiobject& object, tlogoobject* value)
{
    std::optional<uint32_t> colour;
    if (!(value->IsList() && value->IsEmpty())) colour = colourFromValue(*value).Rgb();
    recolourShape(turtle(object), colour);
}

tlogoobject* getAnimation(tmultiobject& object) { return NewBoolean(turtle(object).animated); }
void setAnimation(tmultiobject& object, tlogoobject* value)
{
    const bool animated = value->AsBoolean();
    tLogoTurtleParams& t = turtle(object);
    t.screen->ChangeLook([&] { t.animated = animated; });
    if (animated)
        scheduleShapeStep(t);
    else
        unscheduleShapeStep(t);
}

// The picture of the shown frame's film, from 1; a number past the film counts round it.
tlogoobject* getFrameItem(tmultiobject& object)
{
    tLogoTurtleParams& t = turtle(object);
    int32_t index = 0;
    t.screen->ChangeLook([&] { index = t.pictureIndex; });
    return NewInteger(index + 1);
}
void setFrameItem(tmultiobject& object, tlogoobject* value)
{
    const int64_t item = value->AsInteger();
    tLogoTurtleParams& t = turtle(object);
    t.screen->ChangeLook([&] {
        int32_t count = 1;
        if (t.shape) count = std::max(t.shape->PictureCount(t.shape->FrameFor(t.heading, t.frameIndex, t.frameMode)), 1);
        t.pictureIndex = static_cast<int32_t>(((item - 1) % count + count) % count);
    });
    scheduleShapeStep(t);
}

tlogoobject* getDelayScale(tmultiobject& object) { return newCoordinate(turtle(object).delayScale); }
void setDelayScale(tmultiobject& object, tlogoobject* value)
{
    const long double scale = std::fabs(value->AsReal());
    tLogoTurtleParams& t = turtle(object);
    t.screen->ChangeLook([&] { t.delayScale = scale; });
    scheduleShapeStep(t);
}

tlogoobject* getTransparentClick(tmultiobject& object) { return NewBoolean(turtle(object).transparentClick); }
void setTransparentClick(tmultiobject& object, tlogoobject* value) { turtle(object).transparentClick = value->AsBoolean(); }

// The hints set, as given; the tooltip shows their printed text.
std::map<tmultiobject*, tLogoRef<tlogoobject>>& hints()
{
    static std::map<tmultiobject*, tLogoRef<tlogoobject>> stored;
    return stored;
}

void forgetHint(tmultiobject& object) { hints().erase(&object); }

tlogoobject* getHint(tmultiobject& object)
{
    auto found = hints().find(&object);
    if (found == hints().end()) return NewLiteralWord("");
    return found->second.get();
}
// A word or a list; the empty word (or list) takes the hint away.
void setHint(tmultiobject& object, tlogoobject* value)
{
    static std::once_flag hooked;
    std::call_once(hooked, [] { addDestructionHook(&forgetHint); });
    if (value->IsEmpty()) {
        hints().erase(&object);
        return;
    }
    hints()[&object] = tLogoRef<tlogoobject>(value);
}

const tBoundProperty kShapeScale{&getShapeScale, &setShapeScale};
const tBoundProperty kShapeColour{&getShapeColour, &setShapeColour};
const tBoundProperty kAnimation{&getAnimation, &setAnimation};
const tBoundProperty kFrameItem{&getFrameItem, &setFrameItem};
const tBoundProperty kDelayScale{&getDelayScale, &setDelayScale};
const tBoundProperty kTransparentClick{&getTransparentClick, &setTransparentClick};
const tBoundProperty kHint{&getHint, &setHint};

}  // namespace

const tBoundProperty& hintProperty() { return kHint; }

std::string hintOf(tmultiobject& object)
{
    auto found = hints().find(&object);
    if (found == hints().end()) return {};
    std::string text = found->second->PrintText(0);
    // Texts made for other systems may end in a zero character.
    if (!text.empty() && text.back() == '\0') text.pop_back();
    return text;
}

void declareTurtleLookProperties(tmultiobject& turtleClass)
{
    declareProperty(turtleClass, boundPropertyDeclaration(8, {}, 0, kHint));
    declareProperty(turtleClass, boundPropertyDeclaration(54, {}, 0, kShapeScale));
    declareProperty(turtleClass, boundPropertyDeclaration(55, {}, 0, kShapeColour));
    declareProperty(turtleClass, boundPropertyDeclaration(56, {}, 0, kAnimation));
    declareProperty(turtleClass, boundPropertyDeclaration(58, {}, 0, kTransparentClick));
    declareProperty(turtleClass, boundPropertyDeclaration(63, {}, 0, kFrameItem));
    declareProperty(turtleClass, boundPropertyDeclaration(155, {}, 0, kDelayScale));
}
