#include "platform/web/webFront.h"

#include <utility>

namespace {
std::shared_ptr<tWebFront>& installed()
{
    static std::shared_ptr<tWebFront> front;
    return front;
}
}  // namespace

void installWebFront(std::shared_ptr<tWebFront> front) { installed() = std::move(front); }

tWebFront* webFront() { return installed().get(); }
