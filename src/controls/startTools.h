#pragma once

// Sets the tools up at start-up, with the simple controls: letting go of the active tool button
// raises it, and the class object "toolwindow" is built. Later calls do nothing more.
void startTools();
