#include "controls/toolButtons.h"

#include "controls/tLogoControl.h"
#include "objects/activeToolButton.h"

namespace {

bool isTool(const tSimpleControlState& state) { return state.tool.group != 0; }

void showDown(tLogoControl& control, bool down)
{
    control.Change([down](tSimpleControlState& state) { state.down = down; });
}

// The active tool button was let go of; an object being destroyed may be no control any more.
void raise(tmultiobject& button)
{
    if (auto* control = dynamic_cast<tLogoControl*>(&button)) showDown(*control, false);
}

}  // namespace

void setToolButtonDown(tmultiobject& button, bool down)
{
    tLogoControl& control = controlOf(button);
    showDown(control, down);
    if (!isTool(control.Params().State())) return;
    if (down)
        setActiveToolButton(&button);
    else if (activeToolButton() == &button)
        setActiveToolButton(nullptr);
}

void setToolButtonGroup(tmultiobject& button, int group)
{
    tLogoControl& control = controlOf(button);
    const bool wasTool = isTool(control.Params().State());
    if (wasTool != (group != 0)) setToolButtonDown(button, false);
    control.Change([group](tSimpleControlState& state) { state.tool.group = group; });
}

std::vector<tEventKey> toolButtonPressedByUser(tmultiobject& button, bool pressed)
{
    tLogoControl& control = controlOf(button);
    const tSimpleControlState state = control.Params().State();
    if (!isTool(state)) {
        if (state.down == pressed) return {};
        if (pressed) setActiveToolButton(nullptr);
        showDown(control, pressed);
        return {pressed ? tEventKey::onPush : tEventKey::onRelease};
    }
    if (!pressed) return {};
    if (state.down && !state.tool.allUp) {
        // The window turned its button over already: it shows the tool down again.
        showDown(control, true);
        return {};
    }
    setToolButtonDown(button, !state.down);
    return {state.down ? tEventKey::onRelease : tEventKey::onPush};
}

void startToolButtons() { installToolButtonLetGo(&raise); }
