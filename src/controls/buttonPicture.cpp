#include "controls/controlProperties.h"

#include "controls/controlPropertyNumbers.h"
#include "controls/controlPropertyRows.h"
#include "controls/tLogoControl.h"
#include "turtle/tTurtleShape.h"
#include "values/tLogoList.h"

namespace {

// A button wears its picture as a turtle wears a shape: the first picture of the shape's
// first frame, its transparent pixels letting the button through.
QImage pictureOf(tlogoobject* value)
{
    const tTurtleShapeMaker& make = turtleShapeMaker();
    if (!make) return {};
    const tTurtleShapeRef shape = make(value);
    return shape->View(shape->FrameFor(0, 0, false), 0).picture;
}

// The value stays as the program gave it, so a saved project names the same file or image.
tlogoobject* getPicture(tmultiobject& object)
{
    tlogoobject* picture = controlOf(object).Picture();
    return picture ? picture : new tLogoList;
}

// The empty word or list takes the picture away; anything else must make a picture (an image,
// or the name of an image file: erExpectImage, erEmptyImage, a file's error otherwise).
void setPicture(tmultiobject& object, tlogoobject* value)
{
    tLogoControl& button = controlOf(object);
    QImage shown;
    if (!value->IsEmpty()) shown = pictureOf(value);
    button.SetPicture(value->IsEmpty() ? nullptr : value);
    button.Change([&shown](tSimpleControlState& state) { state.picture = shown; });
}

}  // namespace

void declareButtonPicture(tmultiobject& kindClass)
{
    static const tControlPropertyRow rows[] = {{controlProperty::kPicture, {controlProperty::kPicture}, 0, {&getPicture, &setPicture}}};
    declareControlPropertyRows(kindClass, rows);
}
