#pragma once

#include <memory>

class QApplication;

// The Qt application of the window, made on the thread that becomes the window thread.
std::unique_ptr<QApplication> makeWidgetApplication(int& argc, char** argv);
