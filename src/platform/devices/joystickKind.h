#pragma once

#include "objects/tControlObject.h"

// The built-in joystick class: it carries the joystick properties, and "new" makes
// tLogoJoystick objects from it.
class tjoystickPrototype : public tControlObject {
public:
    using tControlObject::tControlObject;
    const char* ClassName() const override { return "tjoystickPrototype"; }
    void SetUpTables() override;
};

// Enters the joystick class into the main object (once) and lets erased joysticks stop
// reading their devices at once.
void registerJoystickKind();

// The class's properties: the axes x, y, z, r, u, v on their ranges ("rangeX" ..., a list of
// the values at the two ends) past their dead zones ("deadZoneX" ..., per cent), "axesCount",
// "buttonCount", "pov", "button1" to "button32", the stick's "velocityXY", "velocity" and
// "angle", and "number", the joystick it reads. What the device says can only be read
// (erJoyReadOnly).
void declareJoystickProperties(tmultiobject& joystickClass);
