#pragma once

#include <memory>

class QApplication;

// Whether a window can be shown: an X display or a Wayland compositor is named in the
// environment and its socket answers. Qt aborts the program when its platform cannot open,
// so the program asks first and falls back to the console.
bool displayAvailable();

// The Qt application of the window, made on the thread that becomes the window thread.
std::unique_ptr<QApplication> makeWidgetApplication(int& argc, char** argv);
