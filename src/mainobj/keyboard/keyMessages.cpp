#include "mainobj/keyboard/keyMessages.h"

#include "mainobj/keyboard/keyMenuDispatch.h"
#include "mainobj/keyboard/tKeyboardState.h"
#include "objects/tToolPressedProcess.h"

namespace {

constexpr int kShiftKey = 16;

bool keyMenusWanted(tKeyboardState& keyboard)
{
    if (!keyboard.acceptKeyMenu.load()) return false;
    std::lock_guard<std::mutex> hold(keyboard.keyLock);
    return !keyboard.table.Empty();
}

std::optional<tKeyStroke> translated(const tKeyMessage& message)
{
    const std::string& text = message.characters;
    tKeyStroke stroke;
    if (text.size() == 1) {
        stroke.character = static_cast<uint8_t>(text[0]);
        stroke.modifiers = message.modifiers;
    } else if (text.size() == 2 && text[1] == '\0') {
        stroke.character = static_cast<uint8_t>(text[0]);
    } else if (text.size() == 2) {
        stroke.character = static_cast<uint8_t>(text[1]);
        stroke.modifiers = message.modifiers;
    } else {
        return std::nullopt;
    }
    return stroke;
}

void normalise(tKeyStroke& stroke)
{
    using namespace keyModifier;
    if (stroke.special != 0) return;
    if (stroke.character < ' ') stroke.modifiers &= ~kCtrl;
    if (stroke.character >= 'A' && stroke.character <= 'Z' && stroke.modifiers == kShift) stroke.modifiers = 0;
    if (stroke.modifiers != 0 && stroke.character >= 'a' && stroke.character <= 'z') stroke.character -= 'a' - 'A';
}

}  // namespace

std::optional<tKeyStroke> keyStrokeOfMessage(const tKeyMessage& message)
{
    tKeyboardState& keyboard = keyboardState();
    if (!message.release && keyboard.deadKey) {
        // Shift pressed to reach the combined character keeps the dead key pending.
        keyboard.deadKey = message.virtualKey == kShiftKey;
        return std::nullopt;
    }
    if (!keyMenusWanted(keyboard) && (!keyboard.Collecting() || message.textBoxFocused)) return std::nullopt;
    if (!message.release && message.virtualKey == virtualKey::kCancel) {
        keyboard.StopCollecting();
        return std::nullopt;
    }
    std::optional<tKeyStroke> stroke;
    if (uint16_t special = specialKeyOfVirtualKey(message.virtualKey)) {
        stroke = tKeyStroke{0, special, message.modifiers, 0};
    } else if (message.deadKey) {
        if (!message.release) keyboard.deadKey = true;
        return std::nullopt;
    } else {
        stroke = translated(message);
    }
    if (!stroke) return std::nullopt;
    stroke->release = message.release ? 1 : 0;
    normalise(*stroke);
    return stroke;
}

void keyMessageArrived(const tKeyMessage& message)
{
    if (!message.release && message.virtualKey == virtualKey::kEscape) releaseActiveToolButton();
    if (std::optional<tKeyStroke> stroke = keyStrokeOfMessage(message)) offerKeyStroke(*stroke);
}
