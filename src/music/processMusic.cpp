#include "music/processMusic.h"

#include <chrono>
#include <memory>
#include <optional>
#include <thread>

#include "music/tMelodyPlayer.h"
#include "music/tMidiChannels.h"
#include "processes/tInterpreterLock.h"
#include "processes/tLogoprocess.h"
#include "processes/tSyncEvent.h"
#include "processes/tWindowThread.h"

namespace {

// A process waits without the interpreter lock, so other processes play and draw meanwhile,
// and wakes at once when it is asked to stop. The window thread keeps serving hand-overs
// while a timer thread counts the note out; other threads simply sleep.
class tProcessNoteClock : public tNoteClock {
public:
    tWaitEnd Wait(int32_t milliseconds) override
    {
        tLogoprocess* process = tLogoprocess::Current();
        if (!process) {
            WaitOutsideProcesses(milliseconds);
            return kElapsed;
        }
        tInterpreterLock::Releaser released;
        return process->stopSignal.Wait(static_cast<uint32_t>(milliseconds)) ? kStopped : kElapsed;
    }

    static void WaitOutsideProcesses(int32_t milliseconds)
    {
        tWindowThread* window = windowThread();
        if (!window || !window->IsCurrent()) {
            std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
            return;
        }
        auto timeUp = std::make_shared<tSyncEvent>(tSyncEvent::kManualReset, false);
        std::thread([timeUp, milliseconds] {
            std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
            timeUp->Set();
        }).detach();
        window->WaitServing(*timeUp);
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
    if (threadPlayer) return *threadPlayer;
    // The first player may open the synthesizer, which loads a sound font: other processes
    // run meanwhile.
    std::optional<tInterpreterLock::Releaser> released;
    if (tLogoprocess::Current()) released.emplace();
    threadPlayer = std::make_unique<tMelodyPlayer>(tMidiChannels::Instance(), processClock);
    return *threadPlayer;
}

void endThreadMusic() { threadPlayer.reset(); }

void endProcessMusic(tLogoprocess&) { endThreadMusic(); }
