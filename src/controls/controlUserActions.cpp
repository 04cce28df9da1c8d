#include "controls/controlUserActions.h"

#include <algorithm>
#include <memory>

#include "controls/pickerResponses.h"
#include "controls/tLogoControlParams.h"
#include "objects/objectEvents.h"
#include "objects/tmultiobject.h"

std::vector<tEventKey> reportPush(tLogoControlParams& control, bool pressed)
{
    std::vector<tEventKey> events;
    control.TakeFromUser([&](tSimpleControlState& state) {
        const bool turnsOver = state.kind == tSimpleControlKind::kSwitch || state.latching;
        if (turnsOver) {
            if (!pressed) return;
            state.down = !state.down;
        } else {
            if (state.down == pressed) return;
            state.down = pressed;
        }
        events.push_back(state.down ? tEventKey::onPush : tEventKey::onRelease);
    });
    return events;
}

namespace {

// "onChange" when the user changed something now, "onChanged" when a change is done; a finish
// without a change since the last one fires nothing.
std::vector<tEventKey> changeEvents(tSimpleControlState& state, bool changed, bool finished)
{
    std::vector<tEventKey> events;
    if (changed) {
        state.unsettled = true;
        events.push_back(tEventKey::onChange);
    }
    if (finished && state.unsettled) {
        state.unsettled = false;
        events.push_back(tEventKey::onChanged);
    }
    return events;
}

}  // namespace

std::vector<tEventKey> reportEdit(tLogoControlParams& control, const std::string& text, bool finished)
{
    std::vector<tEventKey> events;
    control.TakeFromUser([&](tSimpleControlState& state) {
        const bool changed = !finished && state.text != text;
        if (changed) state.text = text;
        events = changeEvents(state, changed, finished);
    });
    return events;
}

std::vector<tEventKey> reportSlide(tLogoControlParams& control, int value, bool finished)
{
    std::vector<tEventKey> events;
    control.TakeFromUser([&](tSimpleControlState& state) {
        const int kept = std::clamp(value, state.minimum, state.maximum);
        const bool changed = state.value != kept;
        state.value = kept;
        events = changeEvents(state, changed, finished);
    });
    return events;
}

namespace {

// A pick done in one step.
template <class Field, class Value>
std::vector<tEventKey> reportPick(tLogoControlParams& control, Field field, const Value& picked)
{
    std::vector<tEventKey> events;
    control.TakeFromUser([&](tSimpleControlState& state) {
        const bool changed = state.*field != picked;
        state.*field = picked;
        events = changeEvents(state, changed, true);
    });
    return events;
}

}  // namespace

std::vector<tEventKey> reportColour(tLogoControlParams& control, uint32_t colour)
{
    return reportPick(control, &tSimpleControlState::colour, colour);
}

std::vector<tEventKey> reportPage(tLogoControlParams& control, const std::string& page)
{
    return reportPick(control, &tSimpleControlState::shownPage, page);
}

void fireControlEvents(tLogoControlParams& control, const std::vector<tEventKey>& events)
{
    tmultiobject* object = control.Owner();
    if (!object) return;
    respondToPick(control, events);
    for (tEventKey event : events) {
        if (event != tEventKey::onChange) {
            fireEvent(*object, eventCode(event));
            continue;
        }
        if (!control.TakeChangeSlot()) continue;
        std::shared_ptr<tLogoControlParams> held = control.shared_from_this();
        fireEvent(*object, eventCode(event), {[held] { held->FreeChangeSlot(); }, nullptr});
    }
}
