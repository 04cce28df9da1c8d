#pragma once

// Sets the tools up at start-up, with the simple controls: letting go of the active tool button
// raises it, and the class objects "toolwindow" and "toolbar" are built. Later calls do nothing more.
void startTools();
