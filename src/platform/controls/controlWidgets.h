#pragma once

#include <QWidget>

#include <functional>
#include <memory>
#include <vector>

#include "controls/tLogoControlParams.h"
#include "objects/eventNames.h"

// The widget that shows one simple control: a text field (one line) or a text area, a push
// button, a check box for a switch, a slider. What the user does to it is stored in the
// control's state at once and its events are handed to `fire`.
using tFireEvents = std::function<void(const std::shared_ptr<tLogoControlParams>& control, std::vector<tEventKey> events)>;

// Whether the widget made for `made` can show `now` (a text box changing between one line and
// several needs a new widget).
bool widgetFits(const tSimpleControlState& made, const tSimpleControlState& now);

// A new widget for the control, a child of `parent`, showing its state.
QWidget* makeControlWidget(const std::shared_ptr<tLogoControlParams>& control, const tSimpleControlState& state,
                           QWidget* parent, tFireEvents fire);

// The plain widgets other kinds build on: a push button down while held, a slider whose moves
// are the user's slides.
QWidget* makePushButton(const std::shared_ptr<tLogoControlParams>& control, QWidget* parent, const tFireEvents& fire);
QWidget* makeTrackSlider(const std::shared_ptr<tLogoControlParams>& control, QWidget* parent, const tFireEvents& fire);

// Shows the state in a widget made for it, without reporting anything back as the user's.
void showControlState(QWidget& widget, const tSimpleControlState& state);
