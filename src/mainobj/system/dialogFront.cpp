#include "mainobj/system/dialogFront.h"

#include <mutex>

#include "mainobj/system/installedFront.h"
#include "processes/interpreterRelease.h"
#include "processes/tInterpreterLock.h"
#include "processes/tLogoprocess.h"
#include "processes/tSyncEvent.h"
#include "processes/tWindowThread.h"
#include "values/eTerminateException.h"

namespace {

tInstalledFront<tDialogFront> installed;

// One dialog between the process that waits and the window thread that shows it. Shared, so
// that an answer arriving after the process gave up (it was stopped) finds it still there.
struct tPendingDialog {
    tSyncEvent answered{tSyncEvent::kManualReset, false};
    std::mutex guard;
    tDialogAnswer answer;
    tDialogFront::tCloser closer;  // set and used on the window thread only
};

}  // namespace

void installDialogFront(std::shared_ptr<tDialogFront> front) { installed.Install(std::move(front)); }
std::shared_ptr<tDialogFront> dialogFront() { return installed.Get(); }

tDialogAnswer awaitDialog(std::shared_ptr<tDialogFront> front, tShowDialog show)
{
    return awaitWindowAnswer([front = std::move(front), show = std::move(show)](tDialogFront::tAnswered answered) {
        return show(*front, std::move(answered));
    });
}

tDialogAnswer awaitWindowAnswer(tShowAnswering show)
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
    auto open = [pending, show = std::move(show), answered] { pending->closer = show(answered); };
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
