#pragma once

#include <optional>
#include <string>

#include "mainobj/system/dialogFront.h"

// The dialogs where no window shows them (the console): the dialog's text goes out as one line
// through the calling process's commander (else the default one), and the dialogs that ask
// read the next input line from it, so a script answers them with the line after the
// instruction. Captions are not shown. Where there is nowhere to read from (the end of input,
// a commander without input, none at all) the dialog counts as closed without an answer.

// The text alone.
void showTextMessage(const tMessageRequest& request);
// The text followed by the buttons as "(6 Yes, 7 No)"; the line read names a button by its
// code or its label (letter case ignored). Any other line, or no line, answers the escape code.
int askTextButton(const tMessageRequest& request);
// The prompt, when there is one, then the line read; none when there is no line.
std::optional<std::string> askTextLine(const tLineRequest& request);
