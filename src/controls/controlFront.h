#pragma once

#include <memory>

class tLogoControlParams;

// Where simple controls are shown: the window's widgets, installed by the window. The console
// has none; its controls keep their state all the same.
class tControlFront {
public:
    virtual ~tControlFront() = default;
    // From any thread, under the interpreter lock: the control was made or its state changed;
    // the front shows the state it reads from it later, on its own thread.
    virtual void Changed(std::shared_ptr<tLogoControlParams> control) = 0;
    // The control is gone.
    virtual void Removed(std::shared_ptr<tLogoControlParams> control) = 0;
};

void installControlFront(std::shared_ptr<tControlFront> front);
std::shared_ptr<tControlFront> controlFront();
