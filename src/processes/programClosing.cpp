#include "processes/programClosing.h"

#include <atomic>

namespace {
std::atomic<bool> closing{false};
}

void setProgramClosing(bool value)
{
    closing.store(value, std::memory_order_release);
}

bool programClosing()
{
    return closing.load(std::memory_order_acquire);
}
