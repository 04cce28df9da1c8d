#include "platform/devices/joystickEvents.h"

#include <string>

#include "objects/eventNames.h"
#include "objects/objectEvents.h"
#include "platform/devices/tLogoJoystick.h"
#include "processes/programClosing.h"
#include "processes/tLogoprocess.h"

namespace {

// The short process that fires the events: what it starts runs as processes of their own.
class tJoystickHandOver : public tLogoprocess {
public:
    tJoystickHandOver(tProcessStart start, std::shared_ptr<tJoystickEvents> events)
        : tLogoprocess(std::move(start)), events(std::move(events))
    {
    }

    void RunOnce() override
    {
        events->Deliver();
        RequestStop();
    }

private:
    std::shared_ptr<tJoystickEvents> events;
};

constexpr int kButtonsWithEvents = 4;

tEventKey buttonEvent(const tButtonChange& change)
{
    const int first = static_cast<int>(tEventKey::onJoystickButton1Down);
    return static_cast<tEventKey>(first + 2 * (change.number - 1) + (change.down ? 0 : 1));
}

}  // namespace

void tJoystickEvents::Heard(const tJoystickChanges& changes)
{
    {
        std::lock_guard<std::mutex> hold(guard);
        pending.Add(changes);
        if (queued) return;
        queued = true;
    }
    if (programClosing()) return;
    tProcessStart start;
    start.name = "@joystick";
    start.kind = ipEvent;
    try {
        tLogoprocess::Start<tJoystickHandOver>(std::move(start), shared_from_this());
    } catch (...) {
        // Without a process nothing is handed over now; the next change tries again.
        std::lock_guard<std::mutex> hold(guard);
        queued = false;
    }
}

void tJoystickEvents::Deliver()
{
    tJoystickChanges changes;
    {
        std::lock_guard<std::mutex> hold(guard);
        changes = std::move(pending);
        pending = {};
        queued = false;
    }
    if (!owner) return;
    for (const tButtonChange& change : changes.buttons)
        if (change.number <= kButtonsWithEvents) fireEvent(*owner, eventCode(buttonEvent(change)));
    if (!owner) return;
    if (changes.moved || movePending) FireMove(*owner);
}

void tJoystickEvents::FireMove(tLogoJoystick& joystick)
{
    if (moveRunning) {
        movePending = true;
        return;
    }
    movePending = false;
    std::vector<int32_t> reading = joystickReading(joystick);
    if (reading == lastMove) return;
    lastMove = std::move(reading);
    moveRunning = true;
    std::weak_ptr<tJoystickEvents> self = weak_from_this();
    fireEvent(joystick, eventCode(tEventKey::onJoystickMove), {[self] {
                  if (std::shared_ptr<tJoystickEvents> events = self.lock()) events->MoveHandled();
              }});
}

void tJoystickEvents::MoveHandled()
{
    // The completion runs while the handler's process still holds the interpreter lock, or
    // at once in the firing process when there was no handler.
    moveRunning = false;
    if (movePending) Heard({});
}

std::vector<int32_t> joystickReading(const tLogoJoystick& joystick)
{
    const tJoystickReader::tSnapshot snapshot = joystick.Snapshot();
    std::vector<int32_t> reading;
    for (size_t i = 0; i < joystick.axes.size(); ++i) {
        const int axis = snapshot.layout.named[i];
        reading.push_back(axis < 0 ? 0 : scaledAxis(snapshot.state.Axis(axis), joystick.axes[i]));
    }
    const tJoystickLayout& layout = snapshot.layout;
    reading.push_back(layout.hatX < 0 || layout.hatY < 0
                          ? -1
                          : hatDirection(snapshot.state.Axis(layout.hatX), snapshot.state.Axis(layout.hatY)));
    return reading;
}
