#include "media/tSoundDevice.h"

#include <mutex>

namespace {

std::mutex openerGuard;
tSoundDeviceOpener installed;

}  // namespace

void setSoundDeviceOpener(tSoundDeviceOpener opener)
{
    std::lock_guard lock(openerGuard);
    installed = std::move(opener);
}

std::unique_ptr<tSoundDevice> openSoundDevice(int rate, int channels)
{
    tSoundDeviceOpener opener;
    {
        std::lock_guard lock(openerGuard);
        opener = installed;
    }
    return opener ? opener(rate, channels) : nullptr;
}
