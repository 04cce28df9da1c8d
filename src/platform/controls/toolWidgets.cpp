#include "platform/controls/toolWidgets.h"

#include <QFrame>
#include <QIcon>
#include <QPixmap>
#include <QToolButton>

#include "controls/controlUserActions.h"
#include "controls/toolButtons.h"
#include "objects/tmultiobject.h"
#include "platform/window/interpreterHandOver.h"
#include "platform/window/windowText.h"

namespace {

// The window thread may not take the interpreter lock: a process takes it for the press.
void reportPress(const std::shared_ptr<tLogoControlParams>& control, bool pressed)
{
    runUnderInterpreter("@toolbutton", [control, pressed] {
        if (tmultiobject* button = control->Owner()) fireControlEvents(*control, toolButtonPressedByUser(*button, pressed));
    });
}

// Told apart from the other frames (text areas are frames too) by its class.
class tSeparatorLine : public QFrame {
public:
    using QFrame::QFrame;
};

void showSeparator(tSeparatorLine& line, const tSimpleControlState& state)
{
    line.setFrameShape(state.height >= state.width ? QFrame::VLine : QFrame::HLine);
    line.setFrameShadow(QFrame::Sunken);
}

}  // namespace

QWidget* makeSeparatorWidget(QWidget* parent) { return new tSeparatorLine(parent); }

QWidget* makeToolButtonWidget(const std::shared_ptr<tLogoControlParams>& control, QWidget* parent)
{
    auto* button = new QToolButton(parent);
    // A tool turns over once the click is complete, a plain button follows the button held.
    QObject::connect(button, &QToolButton::pressed, button, [control, button] {
        if (!button->isCheckable()) reportPress(control, true);
    });
    QObject::connect(button, &QToolButton::released, button, [control, button] {
        if (!button->isCheckable()) reportPress(control, false);
    });
    QObject::connect(button, &QToolButton::clicked, button, [control, button] {
        if (button->isCheckable()) reportPress(control, true);
    });
    return button;
}

bool showToolButtonState(QWidget& widget, const tSimpleControlState& state)
{
    if (auto* line = dynamic_cast<tSeparatorLine*>(&widget)) {
        showSeparator(*line, state);
        return true;
    }
    auto* button = qobject_cast<QToolButton*>(&widget);
    if (!button) return false;
    button->setText(fromLogoText(state.text));
    button->setIcon(state.picture.isNull() ? QIcon() : QIcon(QPixmap::fromImage(state.picture)));
    button->setToolButtonStyle(static_cast<Qt::ToolButtonStyle>(state.tool.style));
    button->setAutoRaise(state.tool.flat);
    const bool tool = state.tool.group != 0;
    button->setCheckable(tool);
    if (tool)
        button->setChecked(state.down);
    else
        button->setDown(state.down);
    return true;
}
