#include "platform/window/windowKeys.h"

#include <QKeyEvent>

#include "mainobj/keyboard/qtKeyCodes.h"
#include "platform/window/windowText.h"

tKeyMessage keyMessageOf(const QKeyEvent& event, bool textBox)
{
    tKeyMessage message;
    message.release = event.type() == QEvent::KeyRelease;
    message.virtualKey = virtualKeyOfQtKey(event.key());
    const Qt::KeyboardModifiers held = event.modifiers();
    // Break is Ctrl+Pause on a PC keyboard; some layouts give it as Pause with Ctrl held.
    if (event.key() == Qt::Key_Pause && (held & Qt::ControlModifier)) message.virtualKey = virtualKey::kCancel;
    if (held & Qt::ShiftModifier) message.modifiers |= keyModifier::kShift;
    if (held & Qt::AltModifier) message.modifiers |= keyModifier::kAlt;
    if (held & Qt::ControlModifier) message.modifiers |= keyModifier::kCtrl;
    if (message.virtualKey == 0) message.characters = toLogoText(event.text()).substr(0, 1);
    message.textBoxFocused = textBox;
    return message;
}
