#include "platform/tQtWindowThread.h"

#include <QCoreApplication>
#include <QEvent>
#include <QEventLoop>
#include <QObject>
#include <QThread>

#include <atomic>
#include <thread>

#include "processes/tSyncEvent.h"

namespace {

// A routine travelling through Qt's event queue: the queue's lock hands it over, and it is run
// and deleted on the window thread.
class tRoutineEvent : public QEvent {
public:
    explicit tRoutineEvent(std::function<void()> routine) : QEvent(Type()), routine(std::move(routine)) {}

    static QEvent::Type Type()
    {
        static const auto registered = static_cast<QEvent::Type>(QEvent::registerEventType());
        return registered;
    }

    std::function<void()> routine;
};

class tRoutineReceiver : public QObject {
public:
    bool event(QEvent* event) override
    {
        if (event->type() != tRoutineEvent::Type()) return QObject::event(event);
        static_cast<tRoutineEvent*>(event)->routine();
        return true;
    }
};

}  // namespace

tQtWindowThread::tQtWindowThread() : receiver_(std::make_unique<tRoutineReceiver>()) {}

tQtWindowThread::~tQtWindowThread() = default;

bool tQtWindowThread::IsCurrent() const
{
    QCoreApplication* application = QCoreApplication::instance();
    return application && QThread::currentThread() == application->thread();
}

void tQtWindowThread::Post(std::function<void()> routine)
{
    QCoreApplication::postEvent(receiver_.get(), new tRoutineEvent(std::move(routine)));
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
