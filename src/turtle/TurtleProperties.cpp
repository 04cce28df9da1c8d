#include "turtle/turtlePrimitives.h"

#include <algorithm>
#include <vector>

#include "language/Language.h"
#include "objects/propertyDeclaration.h"
#include "objects/tmultiobject.h"
#include "turtle/anyInputs.h"
#include "turtle/colours/colourValues.h"
#include "turtle/fontDescription.h"
#include "turtle/penSettings.h"
#include "turtle/rangeRectangles.h"
#include "turtle/tLogoTurtleParams.h"
#include "turtle/tListShape.h"
#include "turtle/tShapeAnim.h"
#include "turtle/tTurtleShape.h"
#include "turtle/moveEvents.h"
#include "turtle/turtleAccess.h"
#include "turtle/turtleLook.h"
#include "values/eLogoException.h"
#include "values/tListBuilder.h"
#include "values/tLogoList.h"
#include "values/tLogoBool.h"
#include "values/tLogoInt.h"
#include "values/tLogoString.h"
#include "values/logoRandom.h"
#include "values/valuePools.h"

// The turtle's properties: position in both coordinate systems, heading, pen and edge mode.

namespace {

tLogoTurtleParams& turtle(tmultiobject& object) { return turtleOf(&object); }

void moveTo(tmultiobject& object, tRealPoint surface)
{
    tLogoTurtleParams& t = turtle(object);
    announceMove(object, t.MoveTo(surface, t.rangeStyle, t.penState));
}

tlogoobject* getHeading(tmultiobject& object) { return newCoordinate(turtle(object).heading); }
void setHeading(tmultiobject& object, tlogoobject* value) { turtle(object).TurnTo(realOrAny(value, tAnyRange::kAngle)); }

tlogoobject* getPos(tmultiobject& object)
{
    tLogoTurtleParams& t = turtle(object);
    return newPointList(t.screen->LogoX(t.position.x), t.screen->LogoY(t.position.y));
}
void setPos(tmultiobject& object, tlogoobject* value)
{
    moveTo(object, surfacePosition(*turtle(object).screen, value));
}

tlogoobject* getAPos(tmultiobject& object)
{
    tLogoTurtleParams& t = turtle(object);
    return newPointList(t.position.x, t.position.y);
}
void setAPos(tmultiobject& object, tlogoobject* value) { moveTo(object, pointOf(value)); }

tlogoobject* getXCor(tmultiobject& object)
{
    tLogoTurtleParams& t = turtle(object);
    return newCoordinate(t.screen->LogoX(t.position.x));
}
void setXCor(tmultiobject& object, tlogoobject* value)
{
    tLogoTurtleParams& t = turtle(object);
    moveTo(object, {t.screen->ToSurface(value->AsReal(), 0).x, t.position.y});
}

tlogoobject* getYCor(tmultiobject& object)
{
    tLogoTurtleParams& t = turtle(object);
    return newCoordinate(t.screen->LogoY(t.position.y));
}
void setYCor(tmultiobject& object, tlogoobject* value)
{
    tLogoTurtleParams& t = turtle(object);
    moveTo(object, {t.position.x, t.screen->ToSurface(0, value->AsReal()).y});
}

tlogoobject* getPen(tmultiobject& object) { return penStateWord(turtle(object).penState); }
void setPen(tmultiobject& object, tlogoobject* value) { turtle(object).penState = penStateOf(value); }

tlogoobject* getShown(tmultiobject& object) { return NewBoolean(turtle(object).shown); }
void setShown(tmultiobject& object, tlogoobject* value) { turtle(object).shown = value->AsBoolean(); }

// The edge styles are named by the dictionary's parameter words, in style order.
constexpr const char* kEdgeStyleKeys[] = {"wrap", "window", "fence", "bounce"};

tlogoobject* getRangeStyle(tmultiobject& object)
{
    return NewWord(primaryWord("param", kEdgeStyleKeys[static_cast<int>(turtle(object).rangeStyle)]));
}
// The empty list or any other value that is no word means wrap. Leaving window puts the turtle
// back inside its range, without drawing.
void setRangeStyle(tmultiobject& object, tlogoobject* value)
{
    tEdgeStyle style = tEdgeStyle::kWrap;
    if (value->IsWord()) {
        int found = -1;
        for (int k = 0; k < 4 && found < 0; ++k)
            if (isWord("param", kEdgeStyleKeys[k], value->WordText())) found = k;
        if (found < 0) throw eLogoException(erBadValue, value);
        style = static_cast<tEdgeStyle>(found);
    }
    tLogoTurtleParams& t = turtle(object);
    t.rangeStyle = style;
    if (style != tEdgeStyle::kWindow) t.MoveTo(t.position, tEdgeStyle::kFence, tPenState::kUp);
}

tlogoobject* getPenColour(tmultiobject& object) { return colourToValue(tColour::FromRgb(turtle(object).pen.colour)); }
// The pen colour is the fill colour too, and the shape colour while one is set.
void setPenColour(tmultiobject& object, tlogoobject* value)
{
    const uint32_t colour = colourFromValue(*value).Rgb();
    tLogoTurtleParams& t = turtle(object);
    t.pen.colour = colour;
    t.brush.colour = colour;
    if (t.shapeColour) recolourShape(t, colour);
}

tlogoobject* getFillColour(tmultiobject& object) { return colourToValue(tColour::FromRgb(turtle(object).brush.colour)); }
void setFillColour(tmultiobject& object, tlogoobject* value)
{
    turtle(object).brush.colour = colourFromValue(*value).Rgb();
}

tlogoobject* getPenWidth(tmultiobject& object) { return NewInteger(turtle(object).pen.width); }
void setPenWidth(tmultiobject& object, tlogoobject* value) { turtle(object).pen.width = penWidthOf(value); }

tlogoobject* getPenPattern(tmultiobject& object) { return NewInteger(turtle(object).pen.pattern); }
void setPenPattern(tmultiobject& object, tlogoobject* value) { turtle(object).pen.pattern = penPatternOf(value); }

tlogoobject* getFillPattern(tmultiobject& object) { return NewInteger(turtle(object).brush.pattern); }
void setFillPattern(tmultiobject& object, tlogoobject* value) { turtle(object).brush.pattern = fillPatternOf(value); }

// [[x y] heading] in logo coordinates; set from such a list, with "any" for the position or
// the heading, or "any" alone for both. The turtle stays where it is.
tlogoobject* getHomeState(tmultiobject& object)
{
    tLogoTurtleParams& t = turtle(object);
    tListBuilder state;
    state.Append(newPointList(t.screen->LogoX(t.homePosition.x), t.screen->LogoY(t.homePosition.y)));
    state.Append(newCoordinate(t.homeHeading));
    return state.Take();
}
void setHomeState(tmultiobject& object, tlogoobject* value)
{
    tLogoTurtleParams& t = turtle(object);
    tlogoobject* position = value;
    tlogoobject* heading = value;
    if (!isAny(value)) {
        if (!value->IsList()) throw eLogoException(erExpectList, value);
        std::vector<tlogoobject*> parts;
        for (tlogoobject* element : elements(static_cast<tLogoList*>(value))) parts.push_back(element);
        if (parts.size() != 2) throw eLogoException(erBadStructure, value);
        position = parts[0];
        heading = parts[1];
    }
    const tRealPoint home = isAny(position)
                                ? tRealPoint{anySurfaceCoordinate(t.screen->Width(), 0), anySurfaceCoordinate(t.screen->Height(), 1)}
                                : surfacePosition(*t.screen, position);
    const long double degrees = realOrAny(heading, tAnyRange::kAngle);
    t.homePosition = home;
    t.homeHeading = normalHeading(degrees);
}

// [x y w h]: the logo top-left corner and the size; the empty list for none.
tlogoobject* rangeValue(const tgrScreen& screen, const std::optional<tRealRect>& range)
{
    if (!range) return new tLogoList;
    const tRealRect& r = *range;
    tListBuilder value;
    value.Append(newCoordinate(screen.LogoX(r.left)));
    value.Append(newCoordinate(screen.LogoY(r.top)));
    value.Append(newCoordinate(r.right - r.left + 1));
    value.Append(newCoordinate(r.bottom - r.top + 1));
    return value.Take();
}

std::optional<tRealRect> rangeOf(tgrScreen& screen, tlogoobject* value)
{
    std::optional<tRealRect> range;
    if (std::optional<tRealRect> given = readRectangle(screen, value)) range = turtleRangeOf(*given);
    return range;
}

tlogoobject* getRange(tmultiobject& object)
{
    tLogoTurtleParams& t = turtle(object);
    return rangeValue(*t.screen, t.hasRange ? std::optional<tRealRect>(t.rangeRect) : std::nullopt);
}
void setRange(tmultiobject& object, tlogoobject* value)
{
    tLogoTurtleParams& t = turtle(object);
    t.SetRange(rangeOf(*t.screen, value));
}

// The rectangle the turtle's picture is shown in, read and written as the range.
tlogoobject* getShownRange(tmultiobject& object)
{
    tLogoTurtleParams& t = turtle(object);
    return rangeValue(*t.screen, t.shownRange);
}
void setShownRange(tmultiobject& object, tlogoobject* value)
{
    tLogoTurtleParams& t = turtle(object);
    const std::optional<tRealRect> range = rangeOf(*t.screen, value);
    t.screen->ChangeLook([&] { t.shownRange = range; });
}

tlogoobject* getFont(tmultiobject& object) { return fontDescriptionOf(turtle(object).font); }
void setFont(tmultiobject& object, tlogoobject* value)
{
    tLogoTurtleParams& t = turtle(object);
    t.font = fontFromDescription(t.font, value);
}

// The empty list takes the shape off (the kind's default look), another list is a drawing list
// worn with the turtle's pen, fill and font; anything else is made into a shape by the layer
// that knows images, which raises the error for what cannot be worn.
tlogoobject* getShape(tmultiobject& object)
{
    tLogoTurtleParams& t = turtle(object);
    if (!t.shapeValue) return new tLogoList;
    return t.shapeValue.get();
}
void setShape(tmultiobject& object, tlogoobject* value)
{
    tLogoTurtleParams& t = turtle(object);
    tTurtleShapeRef shape;
    if (value->IsList() && !value->IsEmpty()) {
        shape = listShape(value, {t.pen, t.brush, t.font});
    } else if (!value->IsList()) {
        const tTurtleShapeMaker& make = turtleShapeMaker();
        if (!make) throw eLogoException(erExpectImage, value);
        shape = make(value);
    }
    t.shapeValue = shape ? value : nullptr;
    wearShape(t, std::move(shape));
}

// Frame numbers count from 1; "any" picks one of the shape's frames at random.
tlogoobject* getFrame(tmultiobject& object) { return NewInteger(turtle(object).frameIndex + 1); }
void setFrame(tmultiobject& object, tlogoobject* value)
{
    tLogoTurtleParams& t = turtle(object);
    int32_t index = 0;
    if (isAny(value)) {
        const int32_t count = t.shape ? t.shape->FrameCount() : 1;
        index = randomInRange(1, std::max(count, 1)) - 1;
    } else {
        index = value->AsInteger() - 1;
    }
    t.screen->ChangeLook([&] { t.frameIndex = index; });
    scheduleShapeStep(t);
}

tlogoobject* getFrameMode(tmultiobject& object) { return NewBoolean(turtle(object).frameMode); }
void setFrameMode(tmultiobject& object, tlogoobject* value)
{
    const bool frameMode = value->AsBoolean();
    tLogoTurtleParams& t = turtle(object);
    t.screen->ChangeLook([&] { t.frameMode = frameMode; });
    scheduleShapeStep(t);
}

tlogoobject* getSensitive(tmultiobject& object) { return NewBoolean(turtle(object).sensitive); }
void setSensitive(tmultiobject& object, tlogoobject* value) { turtle(object).sensitive = value->AsBoolean(); }

const tBoundProperty kShape{&getShape, &setShape};
const tBoundProperty kFrame{&getFrame, &setFrame};
const tBoundProperty kFrameMode{&getFrameMode, &setFrameMode};
const tBoundProperty kFont{&getFont, &setFont};
const tBoundProperty kHeading{&getHeading, &setHeading};
const tBoundProperty kRange{&getRange, &setRange};
const tBoundProperty kShownRange{&getShownRange, &setShownRange};
const tBoundProperty kPenColour{&getPenColour, &setPenColour};
const tBoundProperty kFillColour{&getFillColour, &setFillColour};
const tBoundProperty kPenWidth{&getPenWidth, &setPenWidth};
const tBoundProperty kPenPattern{&getPenPattern, &setPenPattern};
const tBoundProperty kFillPattern{&getFillPattern, &setFillPattern};
const tBoundProperty kHomeState{&getHomeState, &setHomeState};
const tBoundProperty kRangeStyle{&getRangeStyle, &setRangeStyle};
const tBoundProperty kPos{&getPos, &setPos};
const tBoundProperty kAPos{&getAPos, &setAPos};
const tBoundProperty kXCor{&getXCor, &setXCor};
const tBoundProperty kYCor{&getYCor, &setYCor};
const tBoundProperty kPen{&getPen, &setPen};
const tBoundProperty kShown{&getShown, &setShown};
const tBoundProperty kSensitive{&getSensitive, &setSensitive};

}  // namespace

void declareTurtleProperties(tmultiobject& turtleClass)
{
    // Position properties carry one piece of information; setting any of them sets them all.
    const std::vector<int32_t> position{4, 1, 42, 43};
    const uint8_t derived = propertyFlag::kDerived;
    struct tRow {
        int32_t number;
        std::vector<int32_t> affects;
        uint8_t flags;
        const tBoundProperty& functions;
    };
    const tRow rows[] = {
        {10, {}, 0, kShown},
        {4, position, 0, kPos},
        {1, position, derived, kAPos},
        {42, position, derived, kXCor},
        {43, position, derived, kYCor},
        {40, {}, 0, kHeading},
        {41, {}, 0, kHomeState},
        {44, {}, 0, kFillColour},
        {45, {}, 0, kFillPattern},
        {46, {}, 0, kPen},
        {47, {}, 0, kPenColour},
        {48, {}, 0, kPenWidth},
        {49, {}, 0, kPenPattern},
        {50, {}, 0, kRangeStyle},
        {51, {}, 0, kRange},
        {57, {}, 0, kFont},
        {53, {53, 120}, 0, kShape},
        {52, {}, 0, kFrame},
        {120, {}, 0, kFrameMode},
        {65, {}, 0, kSensitive},
        {131, {}, 0, kShownRange},
    };
    for (const tRow& row : rows)
        declareProperty(turtleClass, boundPropertyDeclaration(row.number, row.affects, row.flags, row.functions));
}
