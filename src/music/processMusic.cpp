#include "music/processMusic.h"

#include <chrono>
#include <memory>
#include <thread>

#include "music/tMelodyPlayer.h"
#include "music/tMidiChannels.h"
#include "processes/interpreterRelease.h"
#include "processes/tLogoprocess.h"

namespace {

// A process waits without the interpreter lock, so other processes play and draw meanwhile,
// and wakes at once when it is asked to stop. Other threads simply sleep.
class tProcessNoteClock : public tNoteClock {
public:
    tWaitEnd Wait(int32_t milliseconds) override
    {
        tLogoprocess* process = tLogoprocess::Current();
        if (!process) {
            std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
            return kElapsed;
        }
        ReleaseInterpreter(false);
        const bool stopped = process->stopSignal.Wait(static_cast<uint32_t>(milliseconds));
        RetakeInterpreter(false);
        return stopped ? kStopped : kElapsed;
    }

    bool StopRequested() const override
    {
        const tLogoprocess* process = tLogoprocess::Current();
        return process && process->StopRequested();
    }
};

tProcessNoteClock processClock;
thread_local std::unique_ptr<tMelodyPlayer> threadPlayer;

}  // namespace

tMelodyPlayer& currentPlayer()
{
    if (!threadPlayer) threadPlayer = std::make_unique<tMelodyPlayer>(tMidiChannels::Instance(), processClock);
    return *threadPlayer;
}

void endProcessMusic(tLogoprocess&) { threadPlayer.reset(); }
