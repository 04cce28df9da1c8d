#include "media/soundWaiting.h"

#include "media/tSoundPlayback.h"
#include "processes/tInterpreterLock.h"
#include "processes/tLogoprocess.h"
#include "processes/tWindowThread.h"
#include "values/eTerminateException.h"

tSoundWaitEnd waitForSound(tSoundPlayback& playback)
{
    if (tLogoprocess* process = tLogoprocess::Current()) {
        tInterpreterLock::Releaser released;
        if (tSyncEvent::WaitForAny({&playback.Finished(), &process->stopSignal}) == 0 && !process->StopRequested())
            return tSoundWaitEnd::kEnded;
        playback.Stop();
        return tSoundWaitEnd::kStopped;
    }
    tWindowThread* window = windowThread();
    if (window && window->IsCurrent())
        window->WaitServing(playback.Finished());
    else
        playback.Finished().Wait();
    return tSoundWaitEnd::kEnded;
}

void waitForSoundOrEnd(tSoundPlayback& playback)
{
    if (waitForSound(playback) == tSoundWaitEnd::kStopped) throw eTerminateException();
}
