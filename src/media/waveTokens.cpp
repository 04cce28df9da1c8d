#include "media/waveTokens.h"

#include "media/soundFiles.h"
#include "media/soundWaiting.h"
#include "media/tSoundPlayback.h"

bool soundWaveToken(std::string_view name)
{
    // Each melody plays its own: processes playing at once do not cut each other's files short.
    tSoundPlayback playback(loadSoundFile(name, erExpectWav), false);
    return waitForSound(playback) == tSoundWaitEnd::kStopped;
}
