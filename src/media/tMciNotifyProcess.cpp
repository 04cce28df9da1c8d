#include "media/tMciNotifyProcess.h"

#include "interpreter/tProcessContext.h"
#include "media/soundWaiting.h"
#include "media/tSoundPlayback.h"

void tMciNotifyProcess::RunOnce()
{
    waitForSoundOrEnd(*playback);
    const bool completed = playback->Completed();
    playback.reset();
    if (completed) RunCode();
    RequestStop();
}

void notifyWhenPlayed(std::shared_ptr<tSoundPlayback> playback, tlogoobject* instructions)
{
    tProcessStart start;
    start.name = "@mci";
    start.kind = ipMCINotify;
    start.code = instructions;
    if (tProcessContext* context = currentContext()) start.startObject = context->currentObject;
    if (tLogoprocess* caller = tLogoprocess::Current()) start.commander = caller->SharedCommander();
    tLogoprocess::Start<tMciNotifyProcess>(std::move(start), std::move(playback));
}
