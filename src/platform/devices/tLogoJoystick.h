#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "objects/tControlObject.h"
#include "platform/devices/joystickScaling.h"
#include "platform/devices/tJoystickReader.h"

class tJoystickEvents;

// A joystick object: an instance of the joystick class, bound to one joystick (number 1 unless
// its creation list names another). Its device is read on a thread of its own; the axis
// settings belong to the object and are used under the interpreter lock.
class tLogoJoystick : public tControlObject {
public:
    using tControlObject::tControlObject;
    ~tLogoJoystick() override;

    const char* ClassName() const override { return "tLogoJoystick"; }
    // What "new" makes for the joystick class.
    static tControlObject* Make(tLogoStack& stack, const std::string& name);
    void CreationCompleted() override;

    // The bound joystick object a property runs on; erJoyControl for anything else (the class).
    static tLogoJoystick& Of(tmultiobject& object);

    // The object of any joystick class (bound or not); erJoyControl for anything else.
    static tLogoJoystick& SettingsOf(tmultiobject& object);

    // An instance reads joystick `number` from now on: erJoyNumber when there is no such
    // device, erJoyControl when it cannot be opened. A class keeps the number for its
    // instances.
    void SetNumber(int32_t number);
    // Stops reading (the object is being erased).
    void Release();
    int32_t Number() const { return number; }

    // The device's state as last read (the state at rest before binding).
    tJoystickReader::tSnapshot Snapshot() const;

    std::array<tAxisSetting, 6> axes;

private:
    void Bind(int32_t number);

    int32_t number = 1;
    std::unique_ptr<tJoystickReader> reader;
    std::shared_ptr<tJoystickEvents> events;
};
