#pragma once

#include <QWidget>

#include <memory>

#include "controls/tLogoControlParams.h"
#include "platform/controls/controlWidgets.h"

// The widgets of the pickers: a colour button shows its colour and opens the colour chooser
// when pressed; a colour slider's track shows the shades it runs over; a width switch lists
// pen widths drawn as lines; a melody button is a push button; a page switch shows a tab for
// each page of its window. What the user picks is stored at once and its events handed to
// `fire`.
QWidget* makePickerWidget(const std::shared_ptr<tLogoControlParams>& control, const tSimpleControlState& state,
                          QWidget* parent, const tFireEvents& fire);

// Shows the state when the widget is a picker's; false when it is none.
bool showPickerState(QWidget& widget, const tSimpleControlState& state);
