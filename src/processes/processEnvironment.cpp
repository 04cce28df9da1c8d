#include "processes/processEnvironment.h"

#include <atomic>
#include <mutex>

namespace {

std::mutex environmentGuard;
tProcessEnvironment installed;
std::atomic<bool> inStartup{false};
std::atomic<bool> activity{false};
std::atomic<int> unitCode{0};

}  // namespace

void setProcessEnvironment(const tProcessEnvironment& environment)
{
    std::lock_guard<std::mutex> hold(environmentGuard);
    installed = environment;
}

tProcessEnvironment processEnvironment()
{
    std::lock_guard<std::mutex> hold(environmentGuard);
    return installed;
}

void setStartupInProgress(bool inProgress)
{
    inStartup.store(inProgress);
}

bool startupInProgress()
{
    return inStartup.load();
}

void raiseActivity()
{
    activity.store(true, std::memory_order_relaxed);
}

bool takeActivity()
{
    return activity.exchange(false);
}

void setElapseUnit(int code)
{
    unitCode.store(code);
}

int elapseUnit()
{
    return unitCode.load();
}

uint32_t elapseToMilliseconds(int32_t duration)
{
    static constexpr uint32_t kFactor[] = {1, 10, 100};
    int code = elapseUnit();
    uint32_t factor = code >= 0 && code <= 2 ? kFactor[code] : 1;
    return static_cast<uint32_t>(duration) * factor;
}
