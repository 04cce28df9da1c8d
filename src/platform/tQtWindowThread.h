#pragma once

#include <memory>

#include "processes/tWindowThread.h"

class QObject;

// The window thread over Qt's main thread: hand-overs are queued into its event loop, so they
// run between the events of the interface. Built on that thread once the application exists.
class tQtWindowThread : public tWindowThread {
public:
    tQtWindowThread();
    ~tQtWindowThread() override;

    bool IsCurrent() const override;
    void Post(std::function<void()> routine) override;
    void WaitServing(tSyncEvent& event) override;

private:
    // Receives the routines as events of Qt's queue, on the window thread.
    std::unique_ptr<QObject> receiver_;
};
