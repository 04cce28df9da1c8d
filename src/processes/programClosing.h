#pragma once

// Set once the main window has closed and the program is ending: processes that end after
// that run no completion routines, since the window thread no longer serves them.
void setProgramClosing(bool closing);
bool programClosing();
