#pragma once

#include <optional>
#include <string>

#include "mainobj/system/dialogFront.h"

class tCommander;

// The dialogs where no window shows them (the console): the dialog's text goes out as one line
// through the calling process's commander, and the dialogs that ask read the next input line,
// so a script answers them with the line after the instruction. Captions are not shown.

// The text alone.
void showTextMessage(tCommander& commander, const tMessageRequest& request);
// The text followed by the buttons as "(6 Yes, 7 No)"; the line read names a button by its
// code or its label (letter case ignored). Any other line, or the end of input, answers the
// escape code.
int askTextButton(tCommander& commander, const tMessageRequest& request);
// The prompt, when there is one, then the line read; none at the end of input.
std::optional<std::string> askTextLine(tCommander& commander, const tLineRequest& request);

// The commander of the calling process, or the default one.
tCommander& callingCommander();
