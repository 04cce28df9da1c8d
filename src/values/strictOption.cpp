#include "values/strictOption.h"

#include <atomic>

namespace {
std::atomic<int> level{0};
}

int strictLevel() { return level.load(std::memory_order_relaxed); }

void setStrictLevel(int newLevel) { level.store(newLevel, std::memory_order_relaxed); }
