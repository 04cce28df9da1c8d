#include "controls/controlFront.h"

#include <atomic>

namespace {

// Installed once by the window, read by every process that changes a control.
std::atomic<std::shared_ptr<tControlFront>>& installed()
{
    static std::atomic<std::shared_ptr<tControlFront>> front;
    return front;
}

}  // namespace

void installControlFront(std::shared_ptr<tControlFront> front) { installed().store(std::move(front)); }

std::shared_ptr<tControlFront> controlFront() { return installed().load(); }
