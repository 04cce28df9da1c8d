#include "turtle/tShapeAnim.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <stop_token>
#include <thread>
#include <vector>

#include "turtle/tLogoTurtleParams.h"

namespace {

using tClock = std::chrono::steady_clock;

// A film whose pictures have no delay would keep the thread stepping without a pause.
constexpr int64_t kShortestStep = 10;

// Set once the animator has been torn down at the program's end: turtles that go after it
// (with the main object's tables) have no plan left to leave. Constant-initialised, so it can be
// read after every other static is gone.
std::atomic<bool> animatorGone{false};

class tShapeAnim {
public:
    static tShapeAnim& Instance()
    {
        static tShapeAnim animator;
        return animator;
    }

    ~tShapeAnim()
    {
        if (thread_.joinable()) {
            thread_.request_stop();
            thread_.join();
        }
        animatorGone = true;
    }

    void Schedule(tLogoTurtleParams& turtle)
    {
        std::lock_guard<std::mutex> hold(lock_);
        RemoveLocked(turtle);
        PlanLocked(turtle);
    }

    void Remove(tLogoTurtleParams& turtle)
    {
        std::lock_guard<std::mutex> hold(lock_);
        RemoveLocked(turtle);
    }

private:
    struct tEntry {
        tClock::time_point due;
        tLogoTurtleParams* turtle;  // not counted: a turtle leaves the plan before it goes
    };

    void RemoveLocked(tLogoTurtleParams& turtle)
    {
        std::erase_if(plan_, [&](const tEntry& entry) { return entry.turtle == &turtle; });
    }

    // The turtle's look is read under its page's locks, in the repaint's order.
    void PlanLocked(tLogoTurtleParams& turtle)
    {
        int64_t wait = -1;
        {
            std::lock_guard<std::mutex> holdPicture(turtle.screen->pictureLock);
            turtle.screen->ChangeLook([&] {
                if (!turtle.animated || !turtle.shape) return;
                const tTurtleShape& shape = *turtle.shape;
                const int32_t frame = shape.FrameFor(turtle.heading, turtle.frameIndex, turtle.frameMode);
                if (shape.PictureCount(frame) < 2) return;
                wait = std::max(shape.StepDelay(frame, turtle.pictureIndex, turtle.delayScale), kShortestStep);
            });
        }
        if (wait < 0) return;
        if (!thread_.joinable()) thread_ = std::jthread([this](std::stop_token stop) { Run(stop); });
        const tEntry entry{tClock::now() + std::chrono::milliseconds(wait), &turtle};
        const auto place = std::upper_bound(plan_.begin(), plan_.end(), entry,
                                            [](const tEntry& a, const tEntry& b) { return a.due < b.due; });
        const bool first = place == plan_.begin();
        plan_.insert(place, entry);
        if (first) wake_.notify_all();
    }

    void Step(tLogoTurtleParams& turtle)
    {
        {
            std::lock_guard<std::mutex> holdPicture(turtle.screen->pictureLock);
            turtle.screen->ChangeLook([&] {
                if (!turtle.shape) return;
                const tTurtleShape& shape = *turtle.shape;
                const int32_t frame = shape.FrameFor(turtle.heading, turtle.frameIndex, turtle.frameMode);
                turtle.pictureIndex = shape.NextPicture(frame, turtle.pictureIndex);
            });
        }
        PlanLocked(turtle);
    }

    void Run(std::stop_token stop)
    {
        std::unique_lock<std::mutex> hold(lock_);
        while (!stop.stop_requested()) {
            if (plan_.empty()) {
                wake_.wait(hold, stop, [&] { return !plan_.empty(); });
                continue;
            }
            const tClock::time_point due = plan_.front().due;
            if (tClock::now() < due) {
                wake_.wait_until(hold, stop, due, [&] { return plan_.empty() || plan_.front().due < due; });
                continue;
            }
            tLogoTurtleParams* turtle = plan_.front().turtle;
            plan_.erase(plan_.begin());
            Step(*turtle);
        }
    }

    std::mutex lock_;
    std::condition_variable_any wake_;
    std::vector<tEntry> plan_;  // by due time
    std::jthread thread_;       // started with the first entry, stopped and joined at the end
};

}  // namespace

void scheduleShapeStep(tLogoTurtleParams& turtle)
{
    if (!animatorGone) tShapeAnim::Instance().Schedule(turtle);
}

void unscheduleShapeStep(tLogoTurtleParams& turtle)
{
    if (!animatorGone) tShapeAnim::Instance().Remove(turtle);
}
