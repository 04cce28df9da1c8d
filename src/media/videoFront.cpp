#include "media/videoFront.h"

#include <atomic>

namespace {

std::atomic<tVideoFront*> installed{nullptr};

}  // namespace

void installVideoFront(tVideoFront* front) { installed = front; }
tVideoFront* videoFront() { return installed; }
