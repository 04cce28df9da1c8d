#include "platform/media/startMediaOutput.h"

#include "platform/media/tAlsaSoundDevice.h"
#include "platform/media/tEspeakSynthesizer.h"

void startMediaOutput()
{
    setSoundDeviceOpener([](int rate, int channels) -> std::unique_ptr<tSoundDevice> {
        return tAlsaSoundDevice::Open(rate, channels);
    });
    setSpeechSynthesizerOpener([]() -> std::unique_ptr<tSpeechSynthesizer> { return tEspeakSynthesizer::Open(); });
}
