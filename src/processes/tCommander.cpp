#include "processes/tCommander.h"

#include <mutex>

namespace {

std::mutex defaultGuard;
std::shared_ptr<tCommander> installedDefault;

}  // namespace

void setDefaultCommander(std::shared_ptr<tCommander> commander)
{
    std::lock_guard<std::mutex> hold(defaultGuard);
    installedDefault = std::move(commander);
}

std::shared_ptr<tCommander> defaultCommander()
{
    std::lock_guard<std::mutex> hold(defaultGuard);
    return installedDefault;
}
