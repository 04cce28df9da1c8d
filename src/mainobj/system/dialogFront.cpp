#include "mainobj/system/dialogFront.h"

#include <mutex>

#include "processes/interpreterRelease.h"
#include "processes/tInterpreterLock.h"
#include "processes/tLogoprocess.h"
#include "processes/tSyncEvent.h"
#include "processes/tWindowThread.h"
#include "values/eTerminateException.h"

namespace {

std::mutex frontGuard;
std::shared_ptr<tDialogFront>& installedFront()
{
    static std::shared_ptr<tDialogFront> front;
    return front;
}

// One dialog between the process that waits and the window thread that shows it. Shared, so
// that an answer arriving after the process gave up (it was stopped) finds it still there.
struct tPendingDialog {
    tSyncEvent answered{tSyncEvent::kManualReset, false};
    std::mutex guard;
    tDialogAnswer answer;
    tDialogFront::tCloser closer;  // set and used on the window thread only
};

}  // namespace

void installDialogFront(std::shared_ptr<tDialogFront> front)
{
    std::lock_guard<std::mutex> hold(frontGuard);
    installedFront() = std::move(front);
}

std::shared_ptr<tDialogFront> dialogFront()
{
    std::lock_guard<std::mutex> hold(frontGuard);
    return installedFront();
}

tDialogAnswer awaitDialog(std::shared_ptr<tDialogFront> front, tShowDialog show)
{
    auto pending = std::make_shared<tPendingDialog>();
    auto answered = [pending](tDialogAnswer answer) {
        {
            std::lock_guard<std::mutex> hold(pending->guard);
            if (pending->answered.IsSet()) return;
            pending->answer = std::move(answer);
        }
        pending->answered.Set();
    };
    tWindowThread* window = windowThread();
    auto open = [pending, front, show = std::move(show), answered] { pending->closer = show(*front, answered); };
    if (!window || window->IsCurrent()) {
        open();
    } else {
        window->Post(std::move(open));
    }
    tLogoprocess* process = tLogoprocess::Current();
    const bool holding = tInterpreterLock::Instance().HeldByCaller();
    if (holding) ReleaseInterpreter(false);
    bool stopped = false;
    if (process)
        stopped = tSyncEvent::WaitForAny({&pending->answered, &process->stopSignal}) == 1;
    else
        pending->answered.Wait();
    if (stopped && window) {
        // The closer was set by the routine posted before this one.
        window->Post([pending] {
            if (!pending->answered.IsSet() && pending->closer) pending->closer();
        });
    }
    if (holding) RetakeInterpreter(false);
    if (stopped) throw eTerminateException();
    std::lock_guard<std::mutex> hold(pending->guard);
    return pending->answer;
}
