#include "platform/tQtWindowThread.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QThread>

#include <atomic>
#include <exception>
#include <thread>

#include "processes/tSyncEvent.h"

tQtWindowThread::tQtWindowThread() = default;

bool tQtWindowThread::IsCurrent() const
{
    QCoreApplication* application = QCoreApplication::instance();
    return application && QThread::currentThread() == application->thread();
}

void tQtWindowThread::Post(std::function<void()> routine)
{
    QMetaObject::invokeMethod(QCoreApplication::instance(), std::move(routine), Qt::QueuedConnection);
}

void tQtWindowThread::RunAndWait(std::function<void()> routine)
{
    tSyncEvent done(tSyncEvent::kManualReset, false);
    std::exception_ptr failure;
    Post([&] {
        try {
            routine();
        } catch (...) {
            failure = std::current_exception();
        }
        done.Set();
    });
    done.Wait();
    if (failure) std::rethrow_exception(failure);
}

// Qt's loop cannot wait on our events, so a watcher thread waits for the event and then wakes
// the loop with an empty routine.
void tQtWindowThread::WaitServing(tSyncEvent& event)
{
    std::atomic<bool> signalled{false};
    tSyncEvent abandoned(tSyncEvent::kManualReset, false);
    std::thread watcher([&] {
        if (tSyncEvent::WaitForAny({&event, &abandoned}) == 0) {
            signalled.store(true, std::memory_order_release);
            Post([] {});
        }
    });
    while (!signalled.load(std::memory_order_acquire)) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    abandoned.Set();
    watcher.join();
}
