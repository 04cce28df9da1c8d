#include "turtle/windowFront.h"

#include <utility>

namespace {
std::shared_ptr<tWindowFront>& installed()
{
    static std::shared_ptr<tWindowFront> front;
    return front;
}
}  // namespace

void installWindowFront(std::shared_ptr<tWindowFront> front) { installed() = std::move(front); }

tWindowFront* windowFront() { return installed().get(); }
