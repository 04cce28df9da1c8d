#include "RecordingSoundDevice.h"

namespace {

class tRecordingSoundDevice : public tSoundDevice {
public:
    explicit tRecordingSoundDevice(tSoundLog& log) : log(log) {}

    bool Write(const int16_t* samples, int64_t frames) override
    {
        std::lock_guard lock(log.guard);
        if (writes++ == log.failAfterWrites) return false;
        log.samples.insert(log.samples.end(), samples, samples + frames * log.channels);
        return true;
    }
    void Drain() override
    {
        std::lock_guard lock(log.guard);
        ++log.drained;
    }
    void Drop() override
    {
        std::lock_guard lock(log.guard);
        ++log.dropped;
    }

private:
    tSoundLog& log;
    int writes = 0;
};

}  // namespace

void useRecordingDevice(tSoundLog& log)
{
    setSoundDeviceOpener([&log](int rate, int channels) -> std::unique_ptr<tSoundDevice> {
        std::lock_guard lock(log.guard);
        ++log.opened;
        log.rate = rate;
        log.channels = channels;
        return std::make_unique<tRecordingSoundDevice>(log);
    });
}

void useNoDevice() { setSoundDeviceOpener(nullptr); }
