#pragma once

#include <memory>
#include <mutex>
#include <vector>

#include "platform/devices/joystickState.h"

class tLogoJoystick;

// Hands what a joystick's reading thread heard to the program: a short process takes it under
// the interpreter lock and fires the events as processes of their own: "onJoystickButton1Down"
// to "onJoystickButton4Up" for the first four buttons, "onJoystickMove" when what the axes
// read (on their ranges, past their dead zones) or the hat changed. A move handler still
// running gets no second one beside it: the latest move fires once it has ended.
class tJoystickEvents : public std::enable_shared_from_this<tJoystickEvents> {
public:
    // Under the interpreter lock; none once the object is going.
    void SetOwner(tLogoJoystick* joystick) { owner = joystick; }

    // On the reading thread.
    void Heard(const tJoystickChanges& changes);

    // Under the interpreter lock, in the handing process.
    void Deliver();

private:
    void FireMove(tLogoJoystick& joystick);
    void MoveHandled();

    std::mutex guard;
    tJoystickChanges pending;
    bool queued = false;

    // Under the interpreter lock.
    tLogoJoystick* owner = nullptr;
    bool moveRunning = false;
    bool movePending = false;
    std::vector<int32_t> lastMove;
};

// What "onJoystickMove" compares: the named axes on their ranges and the hat's direction.
std::vector<int32_t> joystickReading(const tLogoJoystick& joystick);
