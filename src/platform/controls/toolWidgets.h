#pragma once

#include <QWidget>

#include <memory>

#include "controls/tLogoControlParams.h"

// The widget of a tool button: a tool shows as a checkable button that stays down while it is
// the active tool, a plain one (group 0) as a button down while held; flat buttons show their
// frame only under the pointer. What the user presses goes to the tool button's kind under the
// interpreter lock, which fires its events.
QWidget* makeToolButtonWidget(const std::shared_ptr<tLogoControlParams>& control, QWidget* parent);

// The widget of a separator: a sunken line along its longer side.
QWidget* makeSeparatorWidget(QWidget* parent);

// Shows the state when the widget is a tool button's or a separator's; false when it is neither.
bool showToolButtonState(QWidget& widget, const tSimpleControlState& state);
