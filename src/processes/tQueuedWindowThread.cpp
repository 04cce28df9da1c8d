#include "processes/tQueuedWindowThread.h"


tQueuedWindowThread::tQueuedWindowThread() : owner(std::this_thread::get_id()) {}

bool tQueuedWindowThread::IsCurrent() const
{
    return std::this_thread::get_id() == owner;
}

void tQueuedWindowThread::Post(std::function<void()> routine)
{
    {
        std::lock_guard<std::mutex> hold(queueGuard);
        queue.push_back(std::move(routine));
    }
    workQueued.Set();
}

void tQueuedWindowThread::WaitServing(tSyncEvent& event)
{
    for (;;) {
        RunPending();
        if (tSyncEvent::WaitForAny({&event, &workQueued}) == 0)
            return;
    }
}

int tQueuedWindowThread::RunPending()
{
    int ran = 0;
    for (;;) {
        std::function<void()> routine;
        {
            std::lock_guard<std::mutex> hold(queueGuard);
            if (queue.empty())
                return ran;
            routine = std::move(queue.front());
            queue.pop_front();
        }
        routine();
        ++ran;
    }
}
